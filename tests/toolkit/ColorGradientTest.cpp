#include <gtest/gtest.h>

#include "toolkit/ColorGradient.hpp"

namespace {

tk::ColorGradient greenYellowRed() {
    tk::ColorGradient gradient;
    gradient[0.f] = sf::Color(0, 150, 0, 255);
    gradient[0.5f] = sf::Color(255, 255, 0, 255);
    gradient[1.f] = sf::Color(255, 0, 0, 255);
    return gradient;
}

TEST(ColorGradientTest, BetweenStopsEachChannelIsBlendedAndCut) {
    const tk::ColorGradient gradient = greenYellowRed();
    EXPECT_EQ(gradient.sampleColor(0.25f), sf::Color(127, 202, 0, 255));
    EXPECT_EQ(gradient.sampleColor(0.75f), sf::Color(255, 127, 0, 255));
    // Off the midpoints, where blending from the wrong end would give another colour.
    EXPECT_EQ(gradient.sampleColor(0.1f), sf::Color(51, 171, 0, 255));
    EXPECT_EQ(gradient.sampleColor(0.9f), sf::Color(255, 51, 0, 255));

    tk::ColorGradient fading;
    fading[0.f] = sf::Color(0, 0, 0, 0);
    fading[1.f] = sf::Color(0, 0, 0, 255);
    EXPECT_EQ(fading.sampleColor(0.5f).a, 127);
}

TEST(ColorGradientTest, StopsAndPositionsOutsideGiveStopColours) {
    const tk::ColorGradient gradient = greenYellowRed();
    EXPECT_EQ(gradient.sampleColor(0.f), sf::Color(0, 150, 0, 255));
    EXPECT_EQ(gradient.sampleColor(0.5f), sf::Color(255, 255, 0, 255));
    EXPECT_EQ(gradient.sampleColor(1.f), sf::Color(255, 0, 0, 255));
    EXPECT_EQ(gradient.sampleColor(-3.f), sf::Color(0, 150, 0, 255));
    EXPECT_EQ(gradient.sampleColor(1.5f), sf::Color(255, 0, 0, 255));
    EXPECT_EQ(tk::ColorGradient().sampleColor(0.3f), sf::Color::White);
}

}  // namespace
