// zembrook-watch: a reference player's game of a level, played unseen first, then again in the
// game's window click for click, in real time, with a caption naming each move and one line per
// move on standard output. The launcher's --watch runs it in the game's working folder, where
// the level's checked copy and the assets are.

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "WatchWindow.hpp"
#include "app/DisplayConnection.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"
#include "entities/GameNumbers.hpp"
#include "levelformat/LevelCheck.hpp"
#include "play/ClickRecord.hpp"
#include "play/ReferencePlayers.hpp"
#include "toolkit/Random.hpp"

namespace {

const char* const kProgram = "zembrook-watch";
const char* const kUsage =
    "usage: zembrook-watch [--seed N] [--player NAME] [--minutes M] [LEVEL]\n"
    "Shows a reference player playing LEVEL (default: TileMap.txt in the current folder,\n"
    "beside the game's assets/) in the game's window. The game is played unseen first, from\n"
    "seed N (default 1) for M minutes (default 10), exactly as zembrook-level simulate plays\n"
    "it, then again in the window click for click, in real time, with a caption naming each\n"
    "move and why; standard output gets the same line for each move.\n"
    "\n"
    "  --player NAME  idle, hasty, steady, search... (default: the strongest)\n"
    "  --seed N       the game to watch, a whole number from 1\n"
    "  --minutes M    how long the player plays, 1 to 60\n"
    "\n"
    "Space pauses; Escape or the close button ends. A click on the map does nothing.\n"
    "Exit status: 0 when the window is closed, 1 on a failure, 2 on bad usage.\n";

struct Settings {
    std::string level = "TileMap.txt";
    std::string player = kStrongestPlayer;
    long seed = 1;
    long minutes = 10;
};

bool helpAsked(const std::vector<std::string>& words) {
    const auto optionsEnd = std::find(words.begin(), words.end(), "--");
    return std::any_of(words.begin(), optionsEnd,
                       [](const std::string& word) { return word == "--help" || word == "-h"; });
}

Settings parse(const std::vector<std::string>& words) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("zembrook-watch",
                     {
                         {"--player", &settings.player},
                         {"--seed", WholeNumber{&settings.seed, 1, 4294967295}},
                         {"--minutes", WholeNumber{&settings.minutes, 1, 60}},
                     })
            .parse(words);
    if (files.size() > 1) {
        throw UsageError("one level at a time");
    }
    if (!files.empty()) {
        settings.level = files[0];
    }
    if (!ReferencePlayers::isName(settings.player)) {
        std::string names;
        for (const std::string& name : ReferencePlayers::names()) {
            names += (names.empty() ? "" : ", ") + name;
        }
        throw UsageError("--player takes one of " + names + ", not '" + settings.player + "'");
    }
    return settings;
}

// "thinking: 40 %" rewritten in place while the player plays unseen; only on a terminal.
GameRecord::Progress thinkingLine(DiagnosticPrinter& terminal) {
    if (::isatty(STDERR_FILENO) == 0) {
        return [](std::size_t, std::size_t) {};
    }
    return [&terminal, shown = std::size_t(101)](std::size_t done, std::size_t total) mutable {
        const std::size_t percent = total > 0 ? 100 * std::min(done, total) / total : 100;
        if (percent != shown) {
            shown = percent;
            terminal.progress("thinking: " + std::to_string(percent) + " %", done >= total);
        }
    };
}

int watch(const std::vector<std::string>& words, DiagnosticPrinter& diagnostics) {
    if (helpAsked(words)) {
        std::cout << kUsage;
        return 0;
    }
    const Settings settings = parse(words);
    const LevelReport report = LevelCheck::checkFile(settings.level);
    diagnostics.findings(settings.level, report.diagnostics);
    if (!report.map || report.hasErrors()) {
        return 1;
    }
    const DisplayConnection display("the watched game");
    const auto seed = static_cast<std::uint32_t>(settings.seed);
    const int timePoints =
        static_cast<int>(settings.minutes * 60 * kStepsPerSecond / StepsPerTimePoint);
    const int jobs = static_cast<int>(std::max(1L, ::sysconf(_SC_NPROCESSORS_ONLN)));
    GameRecord game = GameRecord::playAs(settings.player, *report.map, seed, timePoints, jobs,
                                         thinkingLine(diagnostics));
    // Seeded as the recorded game was, for the World to draw the same starting headings.
    tk::setRandomSeed(seed);
    WatchWindow window(*report.map, {settings.player, seed});
    window.run(std::move(game.clicks),
               [](const std::string& caption) { std::cout << caption << std::endl; });
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    DiagnosticPrinter diagnostics(kProgram, Output(std::cerr, "standard error"),
                                  Diagnostic::Severity::Warning);
    try {
        return watch(std::vector<std::string>(argv + 1, argv + argc), diagnostics);
    } catch (const UsageError& mistake) {
        diagnostics.error(mistake.what());
        diagnostics.verbatim(std::string("Try '") + kProgram + " --help' for more information.\n");
        return 2;
    } catch (const std::bad_alloc&) {
        diagnostics.error("out of memory");
        return 1;
    } catch (const std::exception& failure) {
        diagnostics.error(failure.what());
        return 1;
    }
}
