// zembrook-level: tools for level makers beside the game: check a level file, play it many
// times unattended, and paint a picture of it.

#include <algorithm>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/Commands.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/UsageError.hpp"

namespace {

using Command = int (*)(const std::vector<std::string>&, DiagnosticPrinter&);

struct NamedCommand {
    const char* name;
    Command command;
};

const NamedCommand kCommands[] = {
    {"check", checkCommand},       {"simulate", simulateCommand}, {"render", renderCommand},
    {"openings", openingsCommand}, {"ladder", ladderCommand},     {"film", filmCommand},
};

// Help is asked for anywhere before "--", after which every word is a file name.
bool helpAsked(const std::vector<std::string>& words) {
    const auto optionsEnd = std::find(words.begin(), words.end(), "--");
    return std::any_of(words.begin(), optionsEnd,
                       [](const std::string& word) { return word == "--help" || word == "-h"; });
}

int run(const std::vector<std::string>& words, DiagnosticPrinter& diagnostics) {
    if (helpAsked(words)) {
        writeStandardOutput(kUsage);
        return 0;
    }
    if (words.empty()) {
        throw UsageError("no command given");
    }
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&words](const NamedCommand& c) { return words[0] == c.name; });
    if (found == std::end(kCommands)) {
        throw UsageError("unknown command '" + words[0] + "'");
    }
    return found->command(std::vector<std::string>(words.begin() + 1, words.end()), diagnostics);
}

}  // namespace

int main(int argc, char** argv) {
    DiagnosticPrinter diagnostics(kProgramName, Output(std::cerr, "standard error"),
                                  Diagnostic::Severity::Error);
    // Every failure ends here, as one line after the program's name and a status a script can
    // tell apart: never an abort, which a launcher could only report as a crash.
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc), diagnostics);
    } catch (const UsageError& mistake) {
        diagnostics.error(mistake.what());
        diagnostics.verbatim(kUsage);
        return 2;
    } catch (const std::bad_alloc&) {
        diagnostics.error("out of memory");
        return 1;
    } catch (const std::exception& failure) {
        diagnostics.error(failure.what());
        return 1;
    }
}
