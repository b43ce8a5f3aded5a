#pragma once

#include <vector>

// How hard a level is for a strong player, 0 to 100, from the shares of seeds (0 to 1) that the
// idle player and each player who builds hold: 100 x (1 - idle) x (0.1 + 0.9 x lost), where lost
// is the builders' mean share of seeds lost with the best of them counted three times. A level
// that holds with nobody building scores 0, one that needs building at least 10, and one that
// not even the best builder holds on any seed 100; since the best weighs as much as the others
// together, the figure rests on the best case, and a level that every builder holds is lower
// than one that only the best one holds as often.
int difficulty(double idle, const std::vector<double>& builders);
