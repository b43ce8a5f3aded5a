#include <gtest/gtest.h>

#include <cmath>

#include "toolkit/Angles.hpp"
#include "toolkit/Distributions.hpp"
#include "toolkit/Random.hpp"

namespace {

TEST(DistributionsTest, DeflectKeepsTheLengthWithinTheTurnAndFullTurnsGoEveryWay) {
    tk::setRandomSeed(7);
    const auto narrow = tk::deflect({0.f, 40.f}, 10.f);
    const auto anyWay = tk::deflect({50.f, 0.f}, 180.f);
    int quadrants[4] = {};
    for (int draw = 0; draw < 400; ++draw) {
        const sf::Vector2f v = narrow();
        EXPECT_NEAR(std::hypot(v.x, v.y), 40.f, 1e-3f);
        EXPECT_NEAR(tk::polarAngle(v), 90.f, 10.001f);
        const sf::Vector2f w = anyWay();
        ++quadrants[(w.x < 0.f ? 1 : 0) + (w.y < 0.f ? 2 : 0)];
    }
    for (const int count : quadrants) {
        EXPECT_GT(count, 60);
    }
}

}  // namespace
