#include "TilePainter.hpp"

#include <array>
#include <cmath>

#include "Colour.hpp"
#include "Noise.hpp"
#include "PeriodicNoise.hpp"

namespace assetgen {

namespace {

sf::Color toColor(const Colour& colour) {
    return sf::Color(toByte(colour.r), toByte(colour.g), toByte(colour.b), 255);
}

constexpr int kSize = static_cast<int>(TilePainter::kTileSize);

// Bricks of 15 x 5 pixels: six courses, two bricks each, every other course shifted by 8.
constexpr int kCourseHeight = 5;
constexpr int kBrickLength = 15;
constexpr int kCourseShift = 8;

}  // namespace

sf::Image TilePainter::floor() {
    Noise noise(0x5eed0001u);
    const PeriodicNoise patches(noise, 5, 6.f);
    const PeriodicNoise stains(noise, 2, 15.f);
    const Colour base = rgb(60, 62, 67);
    sf::Image image;
    image.create(kTileSize, kTileSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const auto fx = static_cast<float>(x) + 0.5f;
            const auto fy = static_cast<float>(y) + 0.5f;
            float light = 0.9f + 0.12f * patches.at(fx, fy) + 0.08f * stains.at(fx, fy);
            light += noise.between(-0.07f, 0.07f);
            const float fleck = noise.unit();
            if (fleck < 0.03f) {
                light += 0.22f;  // a pale stone in the aggregate
            } else if (fleck < 0.06f) {
                light -= 0.15f;
            }
            // Slab joints: a dark groove on the far edges, a faint lip on the near ones.
            if (x == kSize - 1 || y == kSize - 1) {
                light *= 0.78f;
            } else if (x == 0 || y == 0) {
                light *= 1.07f;
            }
            image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                           toColor(shade(base, light)));
        }
    }
    return image;
}

sf::Image TilePainter::block() {
    Noise noise(0x5eed0002u);
    const std::array<Colour, 4> clays{rgb(136, 62, 44), rgb(150, 72, 48), rgb(120, 54, 40),
                                      rgb(160, 84, 56)};
    // One clay per brick, drawn up front so a brick that wraps round the edge keeps its colour.
    constexpr int kCourses = kSize / kCourseHeight;
    constexpr int kBricksPerCourse = kSize / kBrickLength;
    std::array<Colour, kCourses * kBricksPerCourse> brickColours{};
    for (Colour& colour : brickColours) {
        // Drawn one by one, since the order of a call's arguments is the compiler's choice.
        const float light = noise.between(0.9f, 1.08f);
        colour = shade(clays[static_cast<std::size_t>(noise.index(4))], light);
    }
    const Colour mortar = rgb(150, 142, 130);
    sf::Image image;
    image.create(kTileSize, kTileSize);
    for (int y = 0; y < kSize; ++y) {
        const int course = y / kCourseHeight;
        const int rowInBrick = y % kCourseHeight;
        const int shift = (course % 2) * kCourseShift;
        for (int x = 0; x < kSize; ++x) {
            const int along = (x - shift + kSize) % kSize;
            const int brick = along / kBrickLength;
            const int columnInBrick = along % kBrickLength;
            Colour colour;
            if (rowInBrick == kCourseHeight - 1 || columnInBrick == 0) {
                colour = shade(mortar, noise.between(0.88f, 1.02f));
            } else {
                colour = brickColours[static_cast<std::size_t>(course * kBricksPerCourse + brick)];
                float light = noise.between(0.9f, 1.1f);
                if (rowInBrick == 0) {
                    light *= 1.28f;  // the lit top edge that gives the wall its depth
                } else if (rowInBrick == kCourseHeight - 2) {
                    light *= 0.8f;
                }
                if (columnInBrick == kBrickLength - 1) {
                    light *= 0.88f;
                }
                colour = shade(colour, light);
            }
            image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y), toColor(colour));
        }
    }
    return image;
}

}  // namespace assetgen
