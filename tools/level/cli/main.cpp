// zembrook-level: tools for level makers beside the game: check a level file, play it many
// times unattended, and paint a picture of it.

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/Commands.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelManifest.hpp"

namespace {

// Help is asked for anywhere before "--", after which every word is a file name.
bool helpAsked(const std::vector<std::string>& words) {
    const auto optionsEnd = std::find(words.begin(), words.end(), "--");
    return std::any_of(words.begin(), optionsEnd,
                       [](const std::string& word) { return word == "--help" || word == "-h"; });
}

int run(const std::vector<std::string>& words, DiagnosticPrinter& diagnostics) {
    if (helpAsked(words)) {
        writeStandardOutput(usage());
        return 0;
    }
    if (words.empty()) {
        throw UsageError("no command given");
    }
    const std::vector<NamedCommand>& known = commands();
    const auto found = std::find_if(known.begin(), known.end(),
                                    [&words](const NamedCommand& c) { return words[0] == c.name; });
    if (found == known.end()) {
        throw UsageError("unknown command '" + words[0] + "'");
    }
    return found->run(std::vector<std::string>(words.begin() + 1, words.end()), diagnostics);
}

}  // namespace

int main(int argc, char** argv) {
    DiagnosticPrinter diagnostics(kProgramName, Output(std::cerr, "standard error"),
                                  Diagnostic::Severity::Error);
    // SFML would write its own complaints beside the printer's; every failure it reports is
    // reported again here, with the file it was about and the reason.
    sf::err().rdbuf(nullptr);
    // Every failure ends here, as one line after the program's name and a status a script can
    // tell apart: never an abort, which a launcher could only report as a crash.
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc), diagnostics);
    } catch (const ManifestError& mistake) {
        // About a line of the manifest, placed there as a finding rather than after our name.
        diagnostics.finding(mistake.file(), mistake.diagnostic());
        return 1;
    } catch (const UsageError& mistake) {
        diagnostics.error(mistake.what());
        diagnostics.verbatim(usage());
        return 2;
    } catch (const std::bad_alloc&) {
        diagnostics.error("out of memory");
        return 1;
    } catch (const std::exception& failure) {
        diagnostics.error(failure.what());
        return 1;
    }
}
