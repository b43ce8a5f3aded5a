#include <unistd.h>

#include <cmath>
#include <iostream>

#include "Commands.hpp"
#include "DiagnosticPrinter.hpp"
#include "LevelCheck.hpp"
#include "OptionParser.hpp"
#include "SeedPool.hpp"
#include "SimulationReport.hpp"
#include "UsageError.hpp"
#include "entities/GameNumbers.hpp"

namespace {

struct Settings {
    std::string file;
    long seeds = 8;
    long minutes = 5;
    bool csv = false;
    long jobs = 0;  // one per processor
};

Settings parse(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("simulate",
                     {
                         {"--seeds", WholeNumber{&settings.seeds, 1, 100000}},
                         {"--minutes", WholeNumber{&settings.minutes, 1, 10000}},
                         {"--csv", &settings.csv},
                         {"--jobs", WholeNumber{&settings.jobs, 1, 100000}},
                     })
            .parse(arguments);
    if (files.size() != 1) {
        throw UsageError(files.empty() ? "simulate needs a level file"
                                       : "simulate plays one level file at a time");
    }
    settings.file = files[0];
    return settings;
}

// Progress goes to a person watching a terminal, never into a pipe or a file. Each game
// ticks once a time point, and a game lost early ticks the rest of its time points at once.
SeedPool::Progress progressOnTerminal(std::size_t games, int timePoints) {
    if (::isatty(STDERR_FILENO) == 0) {
        return [](std::size_t) {};
    }
    const std::size_t total = games * static_cast<std::size_t>(timePoints);
    DiagnosticPrinter terminal(Output(std::cerr, "standard error"), Diagnostic::Severity::Error);
    return [total, games, terminal, shown = std::size_t(101)](std::size_t ticks) mutable {
        const std::size_t percent = 100 * ticks / total;
        if (percent != shown) {
            shown = percent;
            terminal.progress(
                "playing " + std::to_string(games) + " games: " + std::to_string(percent) + " %",
                ticks == total);
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
        const SeedRun run = SeedRun::play(level, seed, timePoints, tick);
        for (auto left = run.timePoints.size(); left < std::size_t(timePoints); ++left) {
            tick();
        }
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

int simulateCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    const Settings settings = parse(arguments);
    const LevelReport report = LevelCheck::checkFile(settings.file);
    diagnostics.findings(settings.file, report.diagnostics);
    if (report.hasErrors()) {
        return 1;
    }
    const SimulationReport result(settings.file, static_cast<double>(settings.minutes),
                                  playAll(*report.map, settings));
    Output out(std::cout, "standard output");
    out.write(settings.csv ? result.csv() : result.table());
    out.finish();
    return 0;
}
