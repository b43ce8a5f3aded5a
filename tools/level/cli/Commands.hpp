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
int manifestCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
int filmCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);

// What each takes after its name, "FILE [--csv] [--seeds N]...", from the table of options it
// parses with.
std::string checkSynopsis();
std::string simulateSynopsis();
std::string renderSynopsis();
std::string openingsSynopsis();
std::string ladderSynopsis();
std::string manifestSynopsis();
std::string filmSynopsis();

// A command as main runs it and the usage shows it.
struct NamedCommand {
    const char* name;
    int (*run)(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics);
    std::string (*synopsis)();
};

// Every command, in the order the usage shows them.
const std::vector<NamedCommand>& commands();

// The program's name, which starts its own messages.
extern const char* const kProgramName;
// The usage, also shown after a mistake on the command line.
std::string usage();
