#include <gtest/gtest.h>

#include "Canvas.hpp"

using assetgen::Canvas;
using assetgen::rgb;

TEST(CanvasTest, EdgeThroughTheMiddleOfAPixelGivesItHalfCoverage) {
    Canvas canvas(4, 1);
    // Everything left of x = 1.5 is inside.
    canvas.fill([](sf::Vector2f p) { return p.x - 1.5f; }, rgb(255, 255, 255));
    const sf::Image image = canvas.toImage();
    EXPECT_EQ(image.getPixel(0, 0).a, 255);
    EXPECT_NEAR(image.getPixel(1, 0).a, 128, 8);
    EXPECT_EQ(image.getPixel(2, 0).a, 0);
}

TEST(CanvasTest, SoftEdgesKeepTheirColourInsteadOfDarkening) {
    Canvas canvas(9, 9);
    canvas.fill(assetgen::circle({4.5f, 4.5f}, 3.f), rgb(250, 200, 40), 2.f);
    const sf::Image image = canvas.toImage();
    for (unsigned y = 0; y < 9; ++y) {
        for (unsigned x = 0; x < 9; ++x) {
            const sf::Color pixel = image.getPixel(x, y);
            if (pixel.a > 0) {
                EXPECT_NEAR(pixel.r, 250, 1) << x << "," << y;
                EXPECT_NEAR(pixel.g, 200, 1) << x << "," << y;
                EXPECT_NEAR(pixel.b, 40, 1) << x << "," << y;
            }
        }
    }
}

TEST(CanvasTest, HalfTransparentPaintBlendsOverWhatIsThere) {
    Canvas canvas(2, 2);
    const auto everywhere = [](sf::Vector2f) { return -100.f; };
    canvas.fill(everywhere, rgb(0, 0, 0));
    canvas.fill(everywhere, rgb(255, 255, 255, 128));
    const sf::Color pixel = canvas.toImage().getPixel(1, 1);
    EXPECT_NEAR(pixel.r, 128, 1);
    EXPECT_EQ(pixel.a, 255);
}

TEST(CanvasTest, FramePlacesAndScalesThePaintersUnits) {
    Canvas canvas(12, 12);
    canvas.setFrame({6.f, 6.f}, 2.f);
    // Radius 1 in the painter's units is 2 pixels round pixel position (6, 6).
    canvas.fill(assetgen::circle({0.f, 0.f}, 1.f), rgb(255, 0, 0));
    const sf::Image image = canvas.toImage();
    EXPECT_EQ(image.getPixel(5, 5).a, 255);
    EXPECT_EQ(image.getPixel(6, 6).a, 255);
    EXPECT_EQ(image.getPixel(8, 6).a, 0);
    EXPECT_EQ(image.getPixel(3, 6).a, 0);
}

TEST(CanvasTest, TransparentNeighboursOfAnEdgeTakeItsColourButStayInvisible) {
    Canvas canvas(6, 6);
    canvas.fill(assetgen::box({2.f, 3.f}, {2.f, 3.f}), rgb(200, 30, 30));
    const sf::Image image = canvas.toImage();
    const sf::Color outside = image.getPixel(4, 3);
    EXPECT_EQ(outside.a, 0);
    EXPECT_EQ(outside.r, 200);
    // Two pixels away nothing is bled, so the file stays mostly empty.
    EXPECT_EQ(image.getPixel(5, 3), sf::Color(0, 0, 0, 0));
}
