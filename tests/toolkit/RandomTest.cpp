#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "toolkit/Random.hpp"

namespace {

std::vector<float> draws(unsigned seed) {
    tk::setRandomSeed(seed);
    std::vector<float> values;
    for (int i = 0; i < 20; ++i) {
        values.push_back(tk::random(0.f, 360.f));
        values.push_back(static_cast<float>(tk::random(0, 1000)));
    }
    return values;
}

TEST(RandomTest, SameSeedRepeatsTheSequence) {
    EXPECT_EQ(draws(99), draws(99));
    EXPECT_NE(draws(99), draws(100));
}

TEST(RandomTest, IntegersCoverTheClosedRangeAndFloatsNeverReachTheTop) {
    tk::setRandomSeed(1);
    std::set<int> seen;
    for (int i = 0; i < 300; ++i) {
        seen.insert(tk::random(-1, 2));
        const float value = tk::random(-180.f, 180.f);
        EXPECT_TRUE(value >= -180.f && value < 180.f) << value;
    }
    EXPECT_EQ(seen, (std::set<int>{-1, 0, 1, 2}));
    // With a range one float wide, rounding lands on the top about half the time.
    const float next = std::nextafter(1.f, 2.f);
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(tk::random(1.f, next), 1.f);
    }
}

}  // namespace
