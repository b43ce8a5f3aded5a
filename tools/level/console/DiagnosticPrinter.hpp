#pragma once

#include <string>
#include <vector>

#include "console/Diagnostic.hpp"
#include "console/Output.hpp"

// Everything a level program tells a person goes through one of these: findings about a level
// as compilers write them, the program's own errors after its name, and progress. It owns the
// stream, the program's name and the least severity worth showing, and makes every byte it
// writes printable, whatever a level file or a command line held.
class DiagnosticPrinter {
public:
    DiagnosticPrinter(std::string program, Output output, Diagnostic::Severity least)
        : program(std::move(program)), output(std::move(output)), least(least) {}

    // "FILE:LINE:COLUMN: error: MESSAGE", "FILE:LINE: error: MESSAGE" about a whole line, or
    // "FILE: error: MESSAGE" about a whole file, as it stands, for a program that shows findings
    // elsewhere than on a terminal.
    static std::string format(const std::string& file, const Diagnostic& diagnostic);
    // The same, made printable, when its severity is shown.
    void finding(const std::string& file, const Diagnostic& diagnostic);
    void findings(const std::string& file, const std::vector<Diagnostic>& diagnostics);
    // "FILE: TEXT", such as the summary of a checked file.
    void about(const std::string& file, const std::string& text);
    // "PROGRAM: error: MESSAGE", about the program's work rather than a level.
    void error(const std::string& message);
    // "PROGRAM: note: MESSAGE", about a choice made for the user that leaves the result as it is.
    void note(const std::string& message);
    // Text shown as it is, such as the usage.
    void verbatim(const std::string& text);
    // One line rewritten in place, for a terminal; the last one is wiped.
    void progress(const std::string& text, bool last);
    // Throws std::runtime_error when anything written was lost.
    void finish() { output.finish(); }

private:
    void line(const std::string& text);

    std::string program;
    Output output;
    Diagnostic::Severity least;
};
