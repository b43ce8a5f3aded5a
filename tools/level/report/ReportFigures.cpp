#include "report/ReportFigures.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "entities/GameNumbers.hpp"
#include "play/SeedRun.hpp"

namespace figures {

std::string clock(double seconds) {
    const long whole = std::lround(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
    return text;
}

std::string moment(double seconds, const char* never) {
    return std::isinf(seconds) ? never : clock(seconds);
}

double secondsAt(const std::optional<std::uint32_t>& step) {
    return step ? static_cast<double>(*step) / kStepsPerSecond : kNever;
}

double lostSeconds(const SeedRun& run) {
    return run.lost
               ? static_cast<double>(run.timePoints.size() * StepsPerTimePoint) / kStepsPerSecond
               : kNever;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[half];
    }
    return (values[half - 1] + values[half]) / 2.0;
}

}  // namespace figures
