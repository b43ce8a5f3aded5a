#include <unistd.h>

#include <cmath>
#include <iostream>

#include "Commands.hpp"
#include "LevelCheck.hpp"
#include "OpeningSearch.hpp"
#include "OpeningsPicture.hpp"
#include "entities/GameNumbers.hpp"

namespace {

struct Settings {
    std::string level;
    std::string picture;
    int seeds = 8;
    int minutes = 10;
    int jobs = 0;
};

const char* buildingName(std::int32_t code) {
    switch (code) {
        case BuildTurret:
            return "turret";
        case BuildBarricade:
            return "barricade";
        default:
            return "mine";
    }
}

}  // namespace

int openingsCommand(const std::vector<std::string>& arguments) {
    Settings settings;
    if (arguments.size() < 2) {
        return badUsage("openings needs a level file and a picture file");
    }
    settings.level = arguments[0];
    settings.picture = arguments[1];
    const LevelReport report = LevelCheck::checkFile(settings.level);
    if (report.hasErrors()) {
        for (const Diagnostic& diagnostic : report.diagnostics) {
            std::cerr << formatDiagnostic(settings.level, diagnostic) << '\n';
        }
        return 1;
    }
    const int jobs = settings.jobs > 0
                         ? settings.jobs
                         : static_cast<int>(std::max(1L, ::sysconf(_SC_NPROCESSORS_ONLN)));
    const int timePoints = settings.minutes * 60 * static_cast<int>(kStepsPerSecond / 1) /
                           static_cast<int>(StepsPerTimePoint);
    const std::vector<Opening> openings = OpeningSearch::everyOpening(*report.map);
    const auto results = OpeningSearch::tryAll(
        *report.map, openings, {settings.seeds, timePoints, jobs}, [](std::size_t) {});
    int holding = 0;
    for (const OpeningResult& result : results) {
        holding += result.held == settings.seeds ? 1 : 0;
    }
    std::cout << holding << " of " << results.size() << " openings hold every seed\n";
    const auto best = OpeningSearch::ranked(results);
    for (std::size_t i = 0; i < 3 && i < best.size(); ++i) {
        std::cout << buildingName(best[i].opening.code) << " " << best[i].opening.cell.x << ","
                  << best[i].opening.cell.y << ": " << best[i].held << " of " << settings.seeds
                  << "\n";
    }
    return 0;
}
