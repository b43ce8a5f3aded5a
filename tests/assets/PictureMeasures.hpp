#pragma once

#include <SFML/Graphics/Image.hpp>
#include <algorithm>

// Small measurements of painted pictures shared by the painter tests.
struct MeanColour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// Average colour of the pixels at least half opaque.
inline MeanColour meanColourOf(const sf::Image& image) {
    MeanColour mean;
    int count = 0;
    for (unsigned y = 0; y < image.getSize().y; ++y) {
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            const sf::Color pixel = image.getPixel(x, y);
            if (pixel.a >= 128) {
                mean.r += pixel.r;
                mean.g += pixel.g;
                mean.b += pixel.b;
                ++count;
            }
        }
    }
    if (count > 0) {
        mean.r /= count;
        mean.g /= count;
        mean.b /= count;
    }
    return mean;
}

// Share of the solid pixels whose colour is clearly led by one channel (above both others by a
// margin): how much of a picture reads as green, or as blue.
inline double shareLedBy(const sf::Image& image, sf::Uint8 sf::Color::*channel) {
    int solid = 0;
    int led = 0;
    for (unsigned y = 0; y < image.getSize().y; ++y) {
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            const sf::Color pixel = image.getPixel(x, y);
            if (pixel.a < 128) {
                continue;
            }
            ++solid;
            int strongestOther = 0;
            for (const auto other : {&sf::Color::r, &sf::Color::g, &sf::Color::b}) {
                if (other != channel) {
                    strongestOther = std::max(strongestOther, static_cast<int>(pixel.*other));
                }
            }
            led += pixel.*channel > strongestOther + 25;
        }
    }
    return solid == 0 ? 0.0 : static_cast<double>(led) / solid;
}

// How far the solid part of the picture reaches from the game's centre pixel: to the right
// (ahead, for a heading of 0) and to the left (behind).
struct Reach {
    int ahead = 0;
    int behind = 0;
};

inline Reach reachOfSolidPart(const sf::Image& image) {
    const int centre = static_cast<int>(image.getSize().x) / 2;
    Reach reach;
    for (unsigned y = 0; y < image.getSize().y; ++y) {
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            if (image.getPixel(x, y).a >= 128) {
                reach.ahead = std::max(reach.ahead, static_cast<int>(x) - centre);
                reach.behind = std::max(reach.behind, centre - static_cast<int>(x));
            }
        }
    }
    return reach;
}
