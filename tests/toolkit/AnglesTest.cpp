#include <gtest/gtest.h>

#include "toolkit/Angles.hpp"

namespace {

TEST(AnglesTest, PolarAngleIsInDegreesUpToAndIncluding180) {
    EXPECT_FLOAT_EQ(tk::polarAngle({0.f, 1.f}), 90.f);
    EXPECT_FLOAT_EQ(tk::polarAngle({0.f, -2.f}), -90.f);
    EXPECT_EQ(tk::polarAngle({-1.f, 0.f}), 180.f);
    EXPECT_EQ(tk::polarAngle({-1.f, -0.f}), 180.f);
    EXPECT_LT(tk::polarAngle({-1.f, -1e-6f}), -179.99f);
}

TEST(AnglesTest, PositiveRotationTurnsClockwiseOnScreen) {
    const sf::Vector2f down = tk::rotatedVector({1.f, 0.f}, 90.f);
    EXPECT_NEAR(down.x, 0.f, 1e-6f);
    EXPECT_NEAR(down.y, 1.f, 1e-6f);
    const sf::Vector2f turned = tk::rotatedVector({2.f, 1.f}, -30.f);
    EXPECT_NEAR(tk::polarAngle(turned), tk::polarAngle({2.f, 1.f}) - 30.f, 1e-4f);
    EXPECT_NEAR(turned.x * turned.x + turned.y * turned.y, 5.f, 1e-5f);
}

}  // namespace
