#include <gtest/gtest.h>

#include "report/Difficulty.hpp"

// Shares of seeds held: idle, then hasty, steady, search and plan.
TEST(DifficultyTest, RunsFromNoBuildingNeededToTheBestPlayerLosingEverySeed) {
    struct Case {
        double idle;
        std::vector<double> builders;
        int expected;
    };
    const Case cases[] = {
        {1, {1, 1, 1, 1}, 0},       // holds with nobody building
        {1, {0, 0, 0, 0}, 0},       // ... whatever the others do
        {0, {1, 1, 1, 1}, 10},      // every builder holds: the least that needs building
        {0, {1, 0.875, 1, 1}, 12},  // the default town
        {0, {0, 0, 0, 1}, 55},      // only the best holds, but every seed: halfway
        {0, {0, 0, 0, 0.375}, 83},  // the best holds three seeds in eight: the top rungs
        {0, {0, 0, 0, 0.5}, 78},    // ... or four
        {0, {0, 0, 0, 0}, 100},     // nobody holds a seed
        {0, {0.125, 0, 0, 0}, 94},  // the best case counts whoever it is
        {0, {0, 0, 0.125, 0}, 94},  // ... the same for any builder
        {0.5, {0, 0, 0, 0}, 50},    // the idle player's seeds held take off their share
        {0, {}, 100},               // nobody built at all
    };
    for (const Case& c : cases) {
        EXPECT_EQ(difficulty(c.idle, c.builders), c.expected)
            << c.idle << " " << ::testing::PrintToString(c.builders);
    }
}
