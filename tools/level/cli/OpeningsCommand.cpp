#include <algorithm>
#include <stdexcept>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "cli/SharedOptions.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/OutputFile.hpp"
#include "console/UsageError.hpp"
#include "entities/GameNumbers.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"
#include "levelformat/PngFile.hpp"
#include "play/OpeningSearch.hpp"
#include "report/OpeningsPicture.hpp"

namespace {

struct Settings {
    std::string level;
    std::string picture;
    SharedOptions shared;
};

std::vector<OptionRow> rows(Settings& settings) {
    using Row = SharedOptions::Row;
    return settings.shared.rows({Row::Seeds, Row::Minutes, Row::Jobs, Row::Cell, Row::Assets});
}

Settings parse(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("openings", parserRows(rows(settings))).parse(arguments);
    if (files.size() != 2) {
        throw UsageError("openings needs a level file and a picture file");
    }
    settings.level = files[0];
    settings.picture = files[1];
    return settings;
}

// "a turret on column 1, row 7 at 0:03 holds 8 of 8 seeds"
std::string describe(const OpeningResult& result, int seeds) {
    const bool turret = result.opening.code == BuildTurret;
    return result.opening.describe() + (turret ? " at 0:03" : " at 0:00") + " holds " +
           std::to_string(result.held) + " of " + std::to_string(seeds) + " seeds";
}

std::string summary(const std::string& level, const std::vector<OpeningResult>& results, int seeds,
                    long minutes) {
    const auto holding = std::count_if(results.begin(), results.end(),
                                       [seeds](const OpeningResult& r) { return r.held == seeds; });
    std::string text = level + ": every first move on " + std::to_string(seeds) + " seeds of " +
                       std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes") + "\n" +
                       std::to_string(holding) + " of " + std::to_string(results.size()) +
                       " openings hold every seed\n";
    const std::vector<OpeningResult> best = OpeningSearch::ranked(results);
    for (std::size_t i = 0; i < 3 && i < best.size(); ++i) {
        text += std::to_string(i + 1) + ". " + describe(best[i], seeds) + "\n";
    }
    return text;
}

}  // namespace

std::string openingsSynopsis() {
    Settings unused;
    return "FILE OUT.png " + synopsisOf(rows(unused));
}

int openingsCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    const Settings settings = parse(arguments);
    const OutputFile picture("the picture", settings.picture, {{"the level", settings.level}});
    const int jobs = jobsFor(settings.shared.jobs, diagnostics);
    const LevelReport report = LevelCheck::checkFile(settings.level);
    diagnostics.findings(settings.level, report.diagnostics);
    if (report.hasErrors()) {
        return 1;
    }
    const TileMap& level = *report.map;
    const auto cell = static_cast<std::uint32_t>(settings.shared.cell);
    if (!LevelPicture::fits(level.size, cell)) {
        throw std::runtime_error("the picture would be larger than " +
                                 std::to_string(LevelPicture::kLargestSide) +
                                 " pixels a side; --cell " +
                                 std::to_string(LevelPicture::largestCell(level.size)) + " fits");
    }
    // The pictures are read before the long work, so that a missing one fails at once.
    LevelPicture painter(settings.shared.assets + "/textures", cell);
    const sf::Image painted = painter.paint(level);
    const std::vector<Opening> openings = OpeningSearch::everyOpening(level);
    const int seeds = static_cast<int>(settings.shared.seeds);
    const std::vector<OpeningResult> results = OpeningSearch::tryAll(
        level, openings, {seeds, timePointsIn(settings.shared.minutes), jobs},
        progressOnTerminal("trying " + std::to_string(openings.size()) + " first moves",
                           openings.size()));
    writePng(paintOpenings(painted, level.size, results, seeds), picture);
    const std::string text = summary(settings.level, results, seeds, settings.shared.minutes);
    // Standard output holds the picture then, and the summary, like a report, goes beside it.
    if (picture.isStandardOutput()) {
        writeStandardError(text);
    } else {
        writeStandardOutput(text);
    }
    return 0;
}
