#pragma once

#include <string>
#include <vector>

class DiagnosticPrinter;

// The things zembrook-level does, each given the words after its name and the printer for
// what it has to tell on the way. Each returns 0 when done and 1 when a level has errors; it
// throws UsageError for a mistake on the command line and std::runtime_error when its work
// fails, and main turns those into a message and status 2 or 1.
int checkCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
int simulateCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
int renderCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
int openingsCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
int ladderCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
int filmCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);

// The program's name, which starts its own messages.
extern const char* const kProgramName;
// The usage text, also shown after a mistake on the command line.
extern const char* const kUsage;
