#include <gtest/gtest.h>

#include "report/Difficulty.hpp"

TEST(DifficultyTest, RunsFromNoBuildingNeededToTheSearchLosingEverySeed) {
    struct Case {
        double idle, hasty, steady, search;
        int expected;
    };
    const Case cases[] = {
        {1, 1, 1, 1, 0},       // holds with nobody building
        {1, 0, 0, 0, 0},       // ... whatever the others do
        {0, 1, 1, 1, 10},      // one obvious move: the least a level that needs one
        {0, 1, 0.875, 1, 13},  // the default town
        {0, 0, 0, 0.25, 89},   // the search holds a seed in four
        {0, 0, 0, 0, 100},     // nobody holds a seed
        {0, 1, 1, 0, 100},     // the search losing every seed outweighs the others
        {0.5, 0, 0, 0, 50},    // the idle player's seeds held take off their share
    };
    for (const Case& c : cases) {
        EXPECT_EQ(difficulty(c.idle, c.hasty, c.steady, c.search), c.expected)
            << c.idle << " " << c.hasty << " " << c.steady << " " << c.search;
    }
}
