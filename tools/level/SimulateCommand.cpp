#include <unistd.h>

#include <cmath>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "Commands.hpp"
#include "LevelCheck.hpp"
#include "Player.hpp"
#include "PlayerGames.hpp"
#include "ReferencePlayers.hpp"
#include "SeedPool.hpp"
#include "SimulationReport.hpp"
#include "entities/GameNumbers.hpp"

namespace {

struct Settings {
    std::string file;
    long seeds = 8;
    double minutes = 10.0;
    std::vector<std::string> players;
    bool csv = false;
    long jobs = 0;  // one per processor
};

std::optional<double> number(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        return used == text.size() && std::isfinite(value) ? std::optional<double>(value)
                                                           : std::nullopt;
    } catch (const std::logic_error&) {
        return std::nullopt;
    }
}

std::optional<long> wholeNumber(const std::string& text) {
    const std::optional<double> value = number(text);
    return value && *value == std::floor(*value) && std::abs(*value) < 1e9
               ? std::optional<long>(static_cast<long>(*value))
               : std::nullopt;
}

// Reads the options; an empty problem text means they were fine.
std::string parse(const std::vector<std::string>& arguments, Settings& settings) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (word == "--player" && hasValue) {
            const std::string& name = arguments[++i];
            if (name == "all") {
                settings.players = ReferencePlayers::names();
            } else if (ReferencePlayers::isName(name)) {
                settings.players.push_back(name);
            } else {
                return "--player takes idle, hasty, steady, search or all, not '" + name + "'";
            }
        } else if (word == "--csv") {
            settings.csv = true;
        } else if ((word == "--seeds" || word == "--jobs") && hasValue) {
            const std::optional<long> value = wholeNumber(arguments[++i]);
            if (!value || *value < 1 || *value > 100000) {
                return word + " needs a whole number from 1 to 100000";
            }
            (word == "--seeds" ? settings.seeds : settings.jobs) = *value;
        } else if (word == "--minutes" && hasValue) {
            const std::optional<double> value = number(arguments[++i]);
            if (!value || *value < 0.05 || *value > 10000) {
                return "--minutes needs a number from 0.05 (one time point) to 10000";
            }
            settings.minutes = *value;
        } else if (word.size() > 1 && word[0] == '-') {
            return "simulate takes no option '" + word + "' (or it lacks its value)";
        } else if (settings.file.empty()) {
            settings.file = word;
        } else {
            return "simulate plays one level file at a time";
        }
    }
    return settings.file.empty() ? "simulate needs a level file" : "";
}

// Progress goes to a person watching a terminal, never into a pipe or a file. Each game
// ticks once a time point, and a game lost early ticks the rest of its time points at once.
SeedPool::Progress progressOnTerminal(std::size_t games, int timePoints) {
    if (::isatty(STDERR_FILENO) == 0) {
        return [](std::size_t) {};
    }
    const std::size_t total = games * static_cast<std::size_t>(timePoints);
    return [total, games, shown = std::size_t(101)](std::size_t ticks) mutable {
        const std::size_t percent = 100 * ticks / total;
        if (percent != shown) {
            shown = percent;
            std::cerr << "\rzembrook-level: playing " << games << " games: " << percent << " %"
                      << (ticks == total ? "\r\033[K" : "") << std::flush;
        }
    };
}

// Plays seeds 1..N, each in a process of its own, and brings the games back in seed order.
std::vector<SeedRun> playAll(const TileMap& level, const Settings& settings) {
    const double timePointsPerMinute = 60.0 * kStepsPerSecond / StepsPerTimePoint;
    const int timePoints =
        static_cast<int>(std::floor(settings.minutes * timePointsPerMinute + 1e-9));
    const long jobs =
        settings.jobs > 0 ? settings.jobs : std::max(1L, ::sysconf(_SC_NPROCESSORS_ONLN));
    std::vector<std::uint32_t> seeds;
    for (long seed = 1; seed <= settings.seeds; ++seed) {
        seeds.push_back(static_cast<std::uint32_t>(seed));
    }
    const auto work = [&level, timePoints](std::uint32_t seed, const SeedPool::Tick& tick) {
        IdlePlayer nobody;
        const SeedRun run = SeedRun::play(level, seed, {timePoints}, nobody, tick);
        return run.serialize();
    };
    const auto progress = progressOnTerminal(seeds.size(), timePoints);
    std::vector<SeedRun> runs;
    for (const std::string& text : SeedPool::run(seeds, static_cast<int>(jobs), work, progress)) {
        runs.push_back(SeedRun::parse(text));
    }
    return runs;
}

}  // namespace

int simulateCommand(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::string problem = parse(arguments, settings);
    if (!problem.empty()) {
        return badUsage(problem);
    }
    const LevelReport report = LevelCheck::checkFile(settings.file);
    if (report.hasErrors()) {
        for (const Diagnostic& diagnostic : report.diagnostics) {
            std::cerr << formatDiagnostic(settings.file, diagnostic) << '\n';
        }
        return 1;
    }
    if (!settings.players.empty()) {
        const int timePoints = static_cast<int>(settings.minutes * 20);
        const OpeningSearch::Settings search{
            static_cast<int>(settings.seeds), timePoints,
            static_cast<int>(settings.jobs > 0 ? settings.jobs : 2)};
        const auto games =
            PlayerGames::play(*report.map, settings.players, search,
                              {[](std::size_t, std::size_t) {}, [](std::size_t, std::size_t) {}});
        const PlayerReport result(settings.file, static_cast<int>(settings.minutes), games);
        std::cout << (settings.csv ? result.csv() : result.table());
        return 0;
    }
    std::vector<SeedRun> runs;
    try {
        runs = playAll(*report.map, settings);
    } catch (const std::runtime_error& error) {
        std::cerr << "zembrook-level: " << error.what() << '\n';
        return 1;
    }
    const SimulationReport result(settings.file, settings.minutes, std::move(runs));
    std::cout << (settings.csv ? result.csv() : result.table());
    return 0;
}
