#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What the simulator finds of one bundled level, for the ladder's rules.
struct RungFigures {
    int difficulty = 0;
    double shortestIdleSeconds = 0;  // the earliest a town falls with nobody building, any seed
    int openingsHeld = 0;            // single first moves that hold every seed
    int openingsTried = 0;
};

// One broken rule: which rung, and why.
struct RungProblem {
    std::size_t rung;
    std::string message;
};

// The rules a ladder of levels keeps, easiest first: every level gives a player time to act (45 s
// before the town falls with nobody building), each is strictly harder than the one before,
// the first is gentle (20 at most) and the last hard (80 at least), and from the third on fewer
// than one single first move in twenty holds every seed, so that a player has to build a
// defence rather than find a trick.
std::vector<RungProblem> ladderProblems(const std::vector<RungFigures>& ladder);
