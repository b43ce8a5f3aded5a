#include "report/LadderRules.hpp"

namespace {

constexpr double kTimeToAct = 45.0;
constexpr int kGentlestStart = 20;
constexpr int kHardestEnd = 80;
// Fewer than one opening in this many may hold every seed, from this rung (counted from 0) on.
constexpr int kOpeningsPerTrick = 20;
constexpr std::size_t kFirstRungWithoutTricks = 2;

}  // namespace

std::vector<RungProblem> ladderProblems(const std::vector<RungFigures>& ladder) {
    std::vector<RungProblem> problems;
    for (std::size_t i = 0; i < ladder.size(); ++i) {
        const RungFigures& rung = ladder[i];
        if (rung.shortestIdleSeconds < kTimeToAct) {
            problems.push_back({i, "with nobody building it can fall in under 45 s"});
        }
        if (i > 0 && rung.difficulty <= ladder[i - 1].difficulty) {
            problems.push_back(
                {i, "its difficulty " + std::to_string(rung.difficulty) + " is not above the " +
                        std::to_string(ladder[i - 1].difficulty) + " of the level before it"});
        }
        if (i >= kFirstRungWithoutTricks &&
            rung.openingsHeld * kOpeningsPerTrick >= rung.openingsTried) {
            problems.push_back({i, std::to_string(rung.openingsHeld) + " of " +
                                       std::to_string(rung.openingsTried) +
                                       " single first moves hold every seed, one in 20 or more"});
        }
    }
    if (!ladder.empty() && ladder.front().difficulty > kGentlestStart) {
        problems.push_back({0, "the first level's difficulty is above 20"});
    }
    if (!ladder.empty() && ladder.back().difficulty < kHardestEnd) {
        problems.push_back({ladder.size() - 1, "the last level's difficulty is below 80"});
    }
    return problems;
}
