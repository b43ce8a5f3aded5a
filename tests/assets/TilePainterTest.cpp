#include <gtest/gtest.h>

#include "PictureMeasures.hpp"
#include "TilePainter.hpp"

using assetgen::TilePainter;

TEST(TilePainterTest, FloorAndWallDifferInBrightnessAndHue) {
    const MeanColour floor = meanColourOf(TilePainter::floor());
    const MeanColour wall = meanColourOf(TilePainter::block());
    const auto brightness = [](const MeanColour& c) { return 0.3 * c.r + 0.59 * c.g + 0.11 * c.b; };
    EXPECT_GT(brightness(wall) - brightness(floor), 20.0);
    // The street is a near-neutral grey; the wall is clearly warm.
    EXPECT_LT(std::abs(floor.r - floor.b), 15.0);
    EXPECT_GT(wall.r - wall.b, 50.0);
}

TEST(TilePainterTest, BrickCoursesLineUpAcrossTheTileEdges) {
    // Read with wrap-around, the mortar layout must repeat every brick length across and every
    // two courses down; a brick cut short or a course out of step at a tile join breaks that.
    const sf::Image wall = TilePainter::block();
    const auto isMortar = [&wall](unsigned x, unsigned y) {
        const sf::Color pixel = wall.getPixel(x % 30, y % 30);
        return pixel.r - pixel.b < 36;  // mortar is grey, bricks are clearly red
    };
    int mismatches = 0;
    for (unsigned y = 0; y < 30; ++y) {
        for (unsigned x = 0; x < 30; ++x) {
            mismatches += isMortar(x, y) != isMortar(x + 15, y);
            mismatches += isMortar(x, y) != isMortar(x, y + 10);
        }
    }
    EXPECT_EQ(mismatches, 0);
}
