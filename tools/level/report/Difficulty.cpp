#include "report/Difficulty.hpp"

#include <algorithm>
#include <cmath>

int difficulty(double idle, double hasty, double steady, double search) {
    const double players = (2.0 - hasty - steady + 2.0 * (1.0 - search)) / 4.0;
    const double withBuilders = 0.1 + 0.9 * std::max(1.0 - search, players);
    return static_cast<int>(std::lround(100.0 * (1.0 - idle) * withBuilders));
}
