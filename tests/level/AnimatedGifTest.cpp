#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "GifFrames.hpp"
#include "assets/TempFolder.hpp"
#include "levelformat/AnimatedGif.hpp"

namespace {

// A frame of a few flat colours with a square of another moved along it, or a smooth ramp of
// far more colours than a GIF holds.
sf::Image flatWithSquare(unsigned left) {
    sf::Image image;
    image.create(40, 30, sf::Color(60, 60, 60));
    for (unsigned y = 10; y < 16; ++y) {
        for (unsigned x = left; x < left + 6; ++x) {
            image.setPixel(x, y, sf::Color(200, 40, 40));
        }
    }
    image.setPixel(0, 0, sf::Color::White);
    return image;
}

sf::Image ramp(unsigned shift) {
    sf::Image image;
    image.create(40, 30);
    for (unsigned y = 0; y < 30; ++y) {
        for (unsigned x = 0; x < 40; ++x) {
            image.setPixel(x, y, sf::Color(sf::Uint8(6 * x + shift), sf::Uint8(8 * y), 90));
        }
    }
    return image;
}

// How far a frame read back lies from the one written: the mean over its pixels of their
// largest channel difference.
double meanDifference(const sf::Image& a, const sf::Image& b) {
    double sum = 0.0;
    for (unsigned y = 0; y < a.getSize().y; ++y) {
        for (unsigned x = 0; x < a.getSize().x; ++x) {
            const sf::Color p = a.getPixel(x, y);
            const sf::Color q = b.getPixel(x, y);
            sum += std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
        }
    }
    return sum / (a.getSize().x * a.getSize().y);
}

// Frames that keep only what changed must still show every frame whole: exactly when the film
// has few colours, near enough when the palette had to be cut down (a colour mapped wrongly
// would lie a hundred away).
TEST(AnimatedGifTest, AViewerPutsEveryFrameBackTogether) {
    struct Case {
        const char* what;
        std::vector<sf::Image> frames;
        double tolerance;
    };
    const Case cases[] = {
        {"a square moving",
         {flatWithSquare(2), flatWithSquare(9), flatWithSquare(9), flatWithSquare(30)},
         0},
        {"a ramp shifting", {ramp(0), ramp(3), ramp(40)}, 20},
    };
    const TempFolder folder("gif");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnimatedGif::Colours colours;
        for (const sf::Image& frame : c.frames) {
            colours.gather(frame);
        }
        AnimatedGif gif({40, 30}, colours, 50);
        for (const sf::Image& frame : c.frames) {
            gif.add(frame);
        }
        const std::string path = (folder.path / "film.gif").string();
        std::ofstream(path, std::ios::binary) << gif.finish();
        const GifFrames read = GifFrames::read(path);
        ASSERT_EQ(read.frames.size(), c.frames.size());
        EXPECT_EQ(read.size, sf::Vector2u(40, 30));
        for (std::size_t i = 0; i < c.frames.size(); ++i) {
            EXPECT_EQ(read.delays[i], 50);
            EXPECT_LE(meanDifference(read.frames[i], c.frames[i]), c.tolerance) << i;
        }
    }
}

}  // namespace
