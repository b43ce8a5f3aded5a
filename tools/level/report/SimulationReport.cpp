#include "report/SimulationReport.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "entities/GameNumbers.hpp"
#include "report/ReportFigures.hpp"

namespace {

constexpr int kSecondsPerTimePoint = static_cast<int>(StepsPerTimePoint / kStepsPerSecond);

using figures::clock;
using figures::lostSeconds;
using figures::median;
using figures::moment;

double lastHumanSeconds(const SeedRun& run) {
    return figures::secondsAt(run.lastHumanStep);
}

double percent(double share) {
    return 100.0 * share;
}

}  // namespace

std::string SimulationReport::table() const {
    char minutesText[32];
    std::snprintf(minutesText, sizeof minutesText, "%g", minutes);
    const std::string heading = levelName + ": " + std::to_string(runs.size()) + " games of " +
                                minutesText + (minutes == 1.0 ? " minute" : " minutes") +
                                " with nobody building\n\n";
    return heading + timePointRows() + "\n" + seedRows();
}

std::string SimulationReport::timePointRows() const {
    std::size_t longest = 0;
    for (const SeedRun& run : runs) {
        longest = std::max(longest, run.timePoints.size());
    }
    std::string text =
        "Zombie share at each time point (a lost game keeps its share from the end)\n"
        "point   time     min  median     max\n";
    for (std::size_t point = 0; point < longest; ++point) {
        std::vector<double> shares;
        for (const SeedRun& run : runs) {
            if (!run.timePoints.empty()) {
                const std::size_t held = std::min(point, run.timePoints.size() - 1);
                shares.push_back(static_cast<double>(run.timePoints[held].zombieShare));
            }
        }
        const auto [least, most] = std::minmax_element(shares.begin(), shares.end());
        char line[128];
        std::snprintf(line, sizeof line, "%5zu  %5s  %5.1f%%  %5.1f%%  %5.1f%%\n", point + 1,
                      clock(static_cast<double>((point + 1) * kSecondsPerTimePoint)).c_str(),
                      percent(*least), percent(median(shares)), percent(*most));
        text += line;
    }
    return text;
}

std::string SimulationReport::seedRows() const {
    std::string text = "seed    last human turned  game lost\n";
    std::vector<double> turned;
    std::vector<double> lost;
    char line[128];
    for (const SeedRun& run : runs) {
        turned.push_back(lastHumanSeconds(run));
        lost.push_back(lostSeconds(run));
        std::snprintf(line, sizeof line, "%4u    %-17s  %s\n", run.seed,
                      moment(turned.back(), "held").c_str(),
                      moment(lost.back(), "not lost").c_str());
        text += line;
    }
    std::snprintf(line, sizeof line, "median  %-17s  %s\n", moment(median(turned), "held").c_str(),
                  moment(median(lost), "not lost").c_str());
    return text + line;
}

std::string SimulationReport::csv() const {
    std::string text = "seed,time_point,seconds,zombies,humans,zombie_share\n";
    for (const SeedRun& run : runs) {
        for (std::size_t i = 0; i < run.timePoints.size(); ++i) {
            const TimePointCount& count = run.timePoints[i];
            char line[128];
            std::snprintf(line, sizeof line, "%u,%zu,%zu,%d,%d,%.4f\n", run.seed, i + 1,
                          (i + 1) * kSecondsPerTimePoint, count.zombies, count.humans,
                          static_cast<double>(count.zombieShare));
            text += line;
        }
    }
    return text;
}
