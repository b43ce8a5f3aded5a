#include <algorithm>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "cli/SharedOptions.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelCheck.hpp"
#include "play/GamePool.hpp"
#include "play/Player.hpp"
#include "play/ReferencePlayers.hpp"
#include "report/PlayerGames.hpp"
#include "report/SimulationReport.hpp"

namespace {

struct Settings {
    std::string file;
    SharedOptions shared;
    bool csv = false;
    std::vector<std::string> players;
    int jobs = 1;  // as the processors allow
};

std::vector<OptionRow> rows(Settings& settings) {
    using Row = SharedOptions::Row;
    std::vector<OptionRow> rows = settings.shared.rows({Row::Seeds, Row::Minutes, Row::Jobs});
    rows.insert(rows.begin(),
                {{{"--player", &settings.players}, "NAME"}, {{"--csv", &settings.csv}}});
    return rows;
}

Settings parse(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("simulate", parserRows(rows(settings))).parse(arguments);
    if (files.size() != 1) {
        throw UsageError(files.empty() ? "simulate needs a level file"
                                       : "simulate plays one level file at a time");
    }
    settings.file = files[0];
    for (const std::string& player : settings.players) {
        if (player != "all" && !ReferencePlayers::isName(player)) {
            throw UsageError("--player takes idle, hasty, steady, search, plan or all, not '" +
                             player + "'");
        }
    }
    settings.jobs = jobsFor(settings.shared.jobs, diagnostics);
    return settings;
}

// The players asked for, each once, in the order of their skill.
std::vector<std::string> playersOf(const Settings& settings) {
    std::vector<std::string> players;
    for (const std::string& name : ReferencePlayers::names()) {
        for (const std::string& asked : settings.players) {
            if ((asked == name || asked == "all") &&
                std::find(players.begin(), players.end(), name) == players.end()) {
                players.push_back(name);
            }
        }
    }
    return players;
}

// Plays seeds 1..N with nobody building, spread over the workers, in seed order.
std::vector<SeedRun> playAll(const TileMap& level, const Settings& settings) {
    const int timePoints = timePointsIn(settings.shared.minutes);
    std::vector<std::uint32_t> seeds;
    for (long seed = 1; seed <= settings.shared.seeds; ++seed) {
        seeds.push_back(static_cast<std::uint32_t>(seed));
    }
    const auto work = [&level, timePoints](std::uint32_t seed, const GamePool::Tick& tick) {
        IdlePlayer nobody;
        return SeedRun::play(level, seed, {timePoints}, nobody, tick).serialize();
    };
    const auto progress = progressOnTerminal("playing " + std::to_string(seeds.size()) + " games",
                                             seeds.size() * static_cast<std::size_t>(timePoints));
    std::vector<SeedRun> runs;
    const auto name = [](std::uint32_t seed) { return "the game of seed " + std::to_string(seed); };
    for (const std::string& text : GamePool::run(seeds, settings.jobs, work, name, progress)) {
        runs.push_back(SeedRun::parse(text));
    }
    return runs;
}

std::string playersReport(const TileMap& level, const Settings& settings) {
    const std::vector<std::string> players = playersOf(settings);
    const OpeningSearch::Settings play{static_cast<int>(settings.shared.seeds),
                                       timePointsIn(settings.shared.minutes), settings.jobs};
    const PlayerGames::Progress progress{progressOnTerminal("searching first moves"),
                                         progressOnTerminal("playing")};
    const PlayerReport report(settings.file, static_cast<int>(settings.shared.minutes),
                              PlayerGames::play(level, players, play, progress));
    return settings.csv ? report.csv() : report.table();
}

}  // namespace

std::string simulateSynopsis() {
    Settings unused;
    return "FILE " + synopsisOf(rows(unused));
}

int simulateCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    const Settings settings = parse(arguments, diagnostics);
    const LevelReport report = LevelCheck::checkFile(settings.file);
    diagnostics.findings(settings.file, report.diagnostics);
    if (report.hasErrors()) {
        return 1;
    }
    std::string text;
    if (settings.players.empty()) {
        const SimulationReport result(settings.file, static_cast<double>(settings.shared.minutes),
                                      playAll(*report.map, settings));
        text = settings.csv ? result.csv() : result.table();
    } else {
        text = playersReport(*report.map, settings);
    }
    writeStandardOutput(text);
    return 0;
}
