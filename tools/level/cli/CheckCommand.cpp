#include <iostream>

#include "cli/Commands.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelCheck.hpp"

std::string checkSynopsis() {
    return "FILE...";
}

int checkCommand(const std::vector<std::string>& arguments, DiagnosticPrinter&) {
    const std::vector<std::string> files = OptionParser("check", {}).parse(arguments);
    if (files.empty()) {
        throw UsageError("check needs at least one level file");
    }
    // The findings are what check makes, so they go to standard output, warnings and all.
    DiagnosticPrinter findings(kProgramName, Output(std::cout, "standard output"),
                               Diagnostic::Severity::Warning);
    bool errors = false;
    for (const std::string& file : files) {
        const LevelReport report = LevelCheck::checkFile(file);
        findings.findings(file, report.diagnostics);
        findings.about(file, report.summary());
        errors = errors || report.hasErrors();
    }
    findings.finish();
    return errors ? 1 : 0;
}
