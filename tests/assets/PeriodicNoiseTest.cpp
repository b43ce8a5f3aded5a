#include <gtest/gtest.h>

#include "PeriodicNoise.hpp"

using assetgen::Noise;
using assetgen::PeriodicNoise;

TEST(PeriodicNoiseTest, RepeatsExactlyAfterOnePeriodInBothDirections) {
    Noise source(7);
    const PeriodicNoise noise(source, 5, 6.f);
    for (float y = 0.25f; y < 30.f; y += 1.5f) {
        for (float x = 0.25f; x < 30.f; x += 1.5f) {
            EXPECT_NEAR(noise.at(x, y), noise.at(x + 30.f, y), 1e-5f);
            EXPECT_NEAR(noise.at(x, y), noise.at(x, y + 30.f), 1e-5f);
            EXPECT_NEAR(noise.at(x, y), noise.at(x - 30.f, y - 30.f), 1e-5f);
        }
    }
}

TEST(NoiseTest, SameSeedSameNumbersAndAllWithinRange) {
    Noise first(42);
    Noise second(42);
    for (int i = 0; i < 10000; ++i) {
        const float value = first.unit();
        ASSERT_EQ(value, second.unit());
        ASSERT_GE(value, 0.f);
        ASSERT_LT(value, 1.f);
        const int index = first.index(7);
        ASSERT_EQ(index, second.index(7));
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 7);
    }
}
