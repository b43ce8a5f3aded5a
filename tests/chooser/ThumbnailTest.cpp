#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "Thumbnail.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"
#include "levelformat/ScaledImage.hpp"

namespace {

const std::string kTextures = std::string(ZEMBROOK_STAGE_DIR) + "/assets/textures";

// The game's first frame at full size, shrunk by averaging, is what a thumbnail stands for;
// every code, and an unknown one, in a level whose cells are not a whole number of pixels.
TEST(ThumbnailTest, ShowsTheGamesFirstFrameShrunk) {
    const TileMap level = *LevelCheck::checkText(
                               "7\n1 1 1 1 1 1 1\n1 2 0 3 0 4 1\n1 0 1 1 0 0 1\n"
                               "1 5 0 6 0 9 1\n1 0 0 1 0 2 1\n1 3 0 0 0 0 1\n1 1 1 1 1 1 1\n")
                               .map;
    LevelPicture fullSize(kTextures);
    const sf::Image expected = scaledImage(fullSize.paint(level), {50, 50});
    Thumbnail painter(kTextures);
    const sf::Image thumbnail = painter.paint(level, 50);
    ASSERT_EQ(thumbnail.getSize(), sf::Vector2u(50, 50));
    double difference = 0;
    int worst = 0;
    for (unsigned y = 0; y < 50; ++y) {
        for (unsigned x = 0; x < 50; ++x) {
            const sf::Color a = thumbnail.getPixel(x, y);
            const sf::Color b = expected.getPixel(x, y);
            for (const int channel : {a.r - b.r, a.g - b.g, a.b - b.b}) {
                difference += std::abs(channel);
                worst = std::max(worst, std::abs(channel));
            }
        }
    }
    // Sixteen points a pixel are not an exact average, but a creature or building out of
    // place, or a wall where a street is, differs by far more, on average or in one place.
    EXPECT_LT(difference / (50 * 50 * 3), 5.0);
    EXPECT_LT(worst, 64);
}

// Painting a level the full size of the game took 24 s and 3 GB at its largest side; a
// thumbnail costs the same whatever the side. Best of several, as the machine may be busy.
TEST(ThumbnailTest, ALevelOf512ASideCostsWhatOneOf23Does) {
    Thumbnail painter(kTextures);
    TileMap small, large;
    small.reset(23);
    large.reset(512);
    // Taken in turns, so that a busy spell slows both alike.
    double fastest[2] = {1e9, 1e9};
    for (int run = 0; run < 41; ++run) {
        for (int which = 0; which < 2; ++which) {
            const auto start = std::chrono::steady_clock::now();
            const sf::Image picture = painter.paint(which == 0 ? small : large, 98);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            // The first run reads the pictures, which the clock should not count.
            fastest[which] = run == 0 ? fastest[which] : std::min(fastest[which], took.count());
            ASSERT_EQ(picture.getSize(), sf::Vector2u(98, 98));
        }
    }
    EXPECT_LE(fastest[1], fastest[0] * 1.1)
        << fastest[0] * 1e3 << " ms against " << fastest[1] * 1e3 << " ms";
}

}  // namespace
