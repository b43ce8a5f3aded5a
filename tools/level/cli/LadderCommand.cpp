#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelManifest.hpp"
#include "play/OpeningSearch.hpp"
#include "play/ReferencePlayers.hpp"
#include "report/LadderRules.hpp"
#include "report/PlayerGames.hpp"
#include "report/ReportFigures.hpp"

namespace {

constexpr int kSeeds = 8;
constexpr long kMinutes = 10;

struct Settings {
    std::string manifest;
    bool write = false;
    long jobs = 0;
};

Settings parse(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("ladder",
                     {
                         {"--write", &settings.write},
                         {"--jobs", WholeNumber{&settings.jobs, 1, 100000}},
                     })
            .parse(arguments);
    if (files.size() != 1) {
        throw UsageError("ladder needs one manifest, such as levels/levels.tsv");
    }
    settings.manifest = files[0];
    return settings;
}

// What the manifest should say of a level, worked out as simulate and openings work it out.
struct Measured {
    RungFigures rung;
    std::string falls;     // the idle player's median "last human turned"
    std::string openings;  // "K of N"
};

Measured measure(const TileMap& level, int jobs) {
    const OpeningSearch::Settings settings{kSeeds, timePointsIn(kMinutes), jobs};
    const auto quiet = [](std::size_t, std::size_t) {};
    // The openings are tried once, for their count and for the searching player.
    const OpeningSearch::Survey openings = OpeningSearch::survey(level, settings);
    const PlayerReport report("", kMinutes,
                              PlayerGames::play(level, ReferencePlayers::names(), settings,
                                                {quiet, quiet}, &openings.nearTheOutbreak));
    Measured measured;
    measured.rung.difficulty = *report.difficulty();
    std::vector<double> fallen;
    for (const SeedRun& run : report.runsOf("idle")) {
        fallen.push_back(figures::secondsAt(run.lastHumanStep));
    }
    measured.rung.shortestIdleSeconds = *std::min_element(fallen.begin(), fallen.end());
    measured.falls = figures::moment(figures::median(fallen), "held");
    measured.rung.openingsTried = openings.tried;
    measured.rung.openingsHeld = openings.heldEverySeed;
    measured.openings = std::to_string(measured.rung.openingsHeld) + " of " +
                        std::to_string(measured.rung.openingsTried);
    return measured;
}

// Findings about the manifest are placed on the level's line, as a compiler places its own.
void problem(DiagnosticPrinter& diagnostics, const std::string& manifest, const LevelEntry& entry,
             const std::string& message) {
    diagnostics.finding(manifest,
                        {Diagnostic::Severity::Error, entry.line, 1, entry.name + ": " + message});
}

// The figures written for a level that the simulator does not find; none when it agrees.
std::vector<std::string> disagreements(const LevelEntry& entry, const Measured& measured) {
    std::vector<std::string> found;
    const auto compare = [&found](const char* what, const std::string& written,
                                  const std::string& simulated) {
        if (written != simulated) {
            found.push_back(std::string("the manifest says ") + what + " '" + written +
                            "', the simulator finds '" + simulated + "'");
        }
    };
    compare("difficulty", std::to_string(entry.difficulty),
            std::to_string(measured.rung.difficulty));
    compare("falls", entry.falls, measured.falls);
    compare("openings", entry.openings, measured.openings);
    return found;
}

// Puts the measured figures in place of the written ones, every other byte kept.
void rewrite(const std::string& path, const std::vector<LevelEntry>& entries,
             const std::vector<Measured>& measured) {
    std::ifstream input(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(input, line);) {
        lines.push_back(line);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::string& line = lines[static_cast<std::size_t>(entries[i].line - 1)];
        std::size_t cut = 0;
        for (int tab = 0; tab < 4; ++tab) {
            cut = line.find('\t', cut) + 1;
        }
        line = line.substr(0, cut) + std::to_string(measured[i].rung.difficulty) + '\t' +
               measured[i].falls + '\t' + measured[i].openings;
    }
    std::ofstream output(path, std::ios::trunc);
    for (const std::string& line : lines) {
        output << line << '\n';
    }
    if (!output.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

int ladderCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    const Settings settings = parse(arguments);
    const LevelManifest manifest = LevelManifest::readFile(settings.manifest);
    const std::filesystem::path folder = std::filesystem::path(settings.manifest).parent_path();
    const std::vector<LevelEntry>& entries = manifest.entries();
    bool broken = false;
    std::vector<Measured> measured;
    const auto progress = progressOnTerminal("measuring the ladder", entries.size());
    std::ostringstream table;
    table << "name        difficulty  falls  openings\n";
    for (const LevelEntry& entry : entries) {
        progress(measured.size());
        const std::string file = (folder / entry.file).string();
        const LevelReport report = LevelCheck::checkFile(file);
        diagnostics.findings(file, report.diagnostics);
        if (!report.map || !report.diagnostics.empty()) {
            problem(diagnostics, settings.manifest, entry, "a bundled level must check clean");
            return 1;
        }
        measured.push_back(measure(*report.map, jobsFor(settings.jobs)));
        char line[128];
        std::snprintf(line, sizeof line, "%-10s  %10d  %5s  %s\n", entry.name.c_str(),
                      measured.back().rung.difficulty, measured.back().falls.c_str(),
                      measured.back().openings.c_str());
        table << line;
        for (const std::string& disagreement : disagreements(entry, measured.back())) {
            if (!settings.write) {
                problem(diagnostics, settings.manifest, entry, disagreement);
                broken = true;
            }
        }
    }
    progress(entries.size());
    std::vector<RungFigures> rungs;
    for (const Measured& level : measured) {
        rungs.push_back(level.rung);
    }
    for (const RungProblem& rule : ladderProblems(rungs)) {
        problem(diagnostics, settings.manifest, entries[rule.rung], rule.message);
        broken = true;
    }
    if (settings.write) {
        rewrite(settings.manifest, entries, measured);
    }
    writeStandardOutput(table.str());
    return broken ? 1 : 0;
}
