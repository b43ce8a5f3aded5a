#include <gtest/gtest.h>

#include "IconPainter.hpp"
#include "PictureMeasures.hpp"

using assetgen::IconPainter;

TEST(IconPainterTest, EverySizeIsARoundedTileWithTheZombieFillingItsMiddle) {
    for (const unsigned size : IconPainter::kSizes) {
        SCOPED_TRACE(size);
        const sf::Image icon = IconPainter::icon(size);
        ASSERT_EQ(icon.getSize(), sf::Vector2u(size, size));
        // Rounded corners stay clear, so the icon sits on any menu background.
        EXPECT_EQ(icon.getPixel(0, 0).a, 0);
        EXPECT_EQ(icon.getPixel(size - 1, size - 1).a, 0);
        // The zombie's green must show at every size, a 16-pixel menu entry included, and sit
        // in the middle: green pixels on both sides of the centre, none in the outer ring.
        EXPECT_GT(shareLedBy(icon, &sf::Color::g), 0.1);
        unsigned left = size;
        unsigned right = 0;
        for (unsigned y = 0; y < size; ++y) {
            for (unsigned x = 0; x < size; ++x) {
                const sf::Color pixel = icon.getPixel(x, y);
                if (pixel.g > pixel.r + 25 && pixel.g > pixel.b + 25) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        EXPECT_GT(left, size / 20);
        EXPECT_LT(right, size - size / 20);
        EXPECT_NEAR((left + right) / 2.0, size / 2.0, size / 8.0);
    }
}
