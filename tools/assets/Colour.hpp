#pragma once

#include <SFML/Config.hpp>
#include <algorithm>
#include <cmath>

namespace assetgen {

// A straight (not premultiplied) colour with channels in [0, 1], so painters can mix and shade
// without worrying about byte overflow.
struct Colour {
    float r = 0.f;
    float g = 0.f;
    float b = 0.f;
    float a = 1.f;
};

// A colour from the usual 0-255 bytes, the way colours are picked by eye.
inline Colour rgb(int red, int green, int blue, int alpha = 255) {
    return {red / 255.f, green / 255.f, blue / 255.f, alpha / 255.f};
}

// Linear blend from `from` (t = 0) to `to` (t = 1), alpha included.
inline Colour mix(const Colour& from, const Colour& to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

// Darker below 1, lighter above 1; alpha is kept.
inline Colour shade(const Colour& colour, float factor) {
    return {std::clamp(colour.r * factor, 0.f, 1.f), std::clamp(colour.g * factor, 0.f, 1.f),
            std::clamp(colour.b * factor, 0.f, 1.f), colour.a};
}

// A channel in [0, 1] as the nearest byte.
inline sf::Uint8 toByte(float value) {
    return static_cast<sf::Uint8>(std::lround(std::clamp(value, 0.f, 1.f) * 255.f));
}

inline Colour withAlpha(Colour colour, float alpha) {
    colour.a = alpha;
    return colour;
}

}  // namespace assetgen
