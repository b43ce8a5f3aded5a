#include "console/DiagnosticPrinter.hpp"

#include "console/Printable.hpp"

namespace {

const char* name(Diagnostic::Severity severity) {
    return severity == Diagnostic::Severity::Error ? "error" : "warning";
}

}  // namespace

std::string DiagnosticPrinter::format(const std::string& file, const Diagnostic& diagnostic) {
    std::string place = file + ":";
    if (diagnostic.line > 0) {
        place += std::to_string(diagnostic.line) + ":";
    }
    if (diagnostic.line > 0 && diagnostic.column > 0) {
        place += std::to_string(diagnostic.column) + ":";
    }
    return place + " " + name(diagnostic.severity) + ": " + diagnostic.message;
}

void DiagnosticPrinter::finding(const std::string& file, const Diagnostic& diagnostic) {
    if (diagnostic.severity >= least) {
        line(format(file, diagnostic));
    }
}

void DiagnosticPrinter::findings(const std::string& file,
                                 const std::vector<Diagnostic>& diagnostics) {
    for (const Diagnostic& diagnostic : diagnostics) {
        finding(file, diagnostic);
    }
}

void DiagnosticPrinter::about(const std::string& file, const std::string& text) {
    line(file + ": " + text);
}

void DiagnosticPrinter::error(const std::string& message) {
    line(program + ": error: " + message);
}

void DiagnosticPrinter::note(const std::string& message) {
    line(program + ": note: " + message);
}

void DiagnosticPrinter::verbatim(const std::string& text) {
    output.write(text);
}

void DiagnosticPrinter::progress(const std::string& text, bool last) {
    output.write("\r" + program + ": " + printable(text) + (last ? "\r\033[K" : ""));
    output.flush();
}

void DiagnosticPrinter::line(const std::string& text) {
    output.write(printable(text) + "\n");
}
