#include "report/Difficulty.hpp"

#include <algorithm>
#include <cmath>

namespace {

// The best builder's share counts this many times in the mean, each other builder's once.
constexpr double kBestWeight = 3.0;

}  // namespace

int difficulty(double idle, const std::vector<double>& builders) {
    if (builders.empty()) {
        return static_cast<int>(std::lround(100.0 * (1.0 - idle)));
    }
    const double best = *std::max_element(builders.begin(), builders.end());
    double lost = (kBestWeight - 1.0) * (1.0 - best);
    for (const double held : builders) {
        lost += 1.0 - held;
    }
    lost /= kBestWeight - 1.0 + static_cast<double>(builders.size());
    return static_cast<int>(std::lround(100.0 * (1.0 - idle) * (0.1 + 0.9 * lost)));
}
