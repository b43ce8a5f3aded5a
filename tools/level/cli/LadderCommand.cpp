#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "cli/SharedOptions.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelManifest.hpp"
#include "levelformat/ManifestWriter.hpp"
#include "play/GameCounts.hpp"
#include "play/OpeningSearch.hpp"
#include "play/ReferencePlayers.hpp"
#include "report/LadderRules.hpp"
#include "report/PlayerGames.hpp"
#include "report/ReportFigures.hpp"

namespace {

constexpr int kSeeds = GameCounts::kSeeds;
constexpr long kMinutes = GameCounts::kMinutes;

struct Settings {
    std::string manifest;
    bool write = false;
    SharedOptions shared;
};

std::vector<OptionRow> rows(Settings& settings) {
    std::vector<OptionRow> rows = settings.shared.rows({SharedOptions::Row::Jobs});
    rows.insert(rows.begin(), OptionRow{{"--write", &settings.write}});
    return rows;
}

Settings parse(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("ladder", parserRows(rows(settings))).parse(arguments);
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
    std::vector<double> fallen;
    for (const SeedRun& run : report.runsOf("idle")) {
        fallen.push_back(figures::secondsAt(run.lastHumanStep));
    }
    const std::optional<int> difficulty = report.difficulty();
    if (!difficulty || fallen.empty()) {
        throw std::runtime_error(
            "the difficulty takes the games of every reference player, and some were not "
            "played");
    }
    Measured measured;
    measured.rung.difficulty = *difficulty;
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
                        {Diagnostic::Severity::Error, entry.line, 0, entry.name + ": " + message});
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

}  // namespace

std::string ladderSynopsis() {
    Settings unused;
    return "MANIFEST " + synopsisOf(rows(unused));
}

int ladderCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    const Settings settings = parse(arguments);
    const int jobs = jobsFor(settings.shared.jobs, diagnostics);
    const LevelManifest manifest = LevelManifest::readFile(settings.manifest);
    const ManifestWriter writer(settings.manifest);
    // Minutes of measuring must not end in finding that the result cannot be kept.
    if (settings.write) {
        writer.requireWritable();
    }
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
        measured.push_back(measure(*report.map, jobs));
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
    // The figures are shown even when the manifest cannot take them.
    writeStandardOutput(table.str());
    if (settings.write) {
        std::vector<LevelFigures> figures;
        for (const Measured& level : measured) {
            figures.push_back({level.rung.difficulty, level.falls, level.openings});
        }
        writer.replace(manifest, ManifestWriter::withFigures(manifest, figures));
    }
    return broken ? 1 : 0;
}
