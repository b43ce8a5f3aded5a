#include "levelformat/ScaledImage.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Sums of the old pixels under one new pixel, colours weighted by opacity and coverage.
struct Coverage {
    double red = 0, green = 0, blue = 0, alpha = 0, area = 0;

    void add(const sf::Color& pixel, double weight) {
        const double opaque = weight * pixel.a;
        red += opaque * pixel.r;
        green += opaque * pixel.g;
        blue += opaque * pixel.b;
        alpha += opaque;
        area += weight;
    }

    sf::Color average() const {
        if (alpha <= 0) {
            return sf::Color::Transparent;
        }
        const auto channel = [](double value) {
            return static_cast<sf::Uint8>(std::clamp(std::lround(value), 0L, 255L));
        };
        return {channel(red / alpha), channel(green / alpha), channel(blue / alpha),
                channel(alpha / area)};
    }
};

// How much of old pixel `index` lies in the span [from, to) of old pixels.
double overlap(unsigned index, double from, double to) {
    return std::min(to, index + 1.0) - std::max(from, static_cast<double>(index));
}

}  // namespace

sf::Image scaledImage(const sf::Image& source, sf::Vector2u size) {
    const sf::Vector2u old = source.getSize();
    const double stepX = static_cast<double>(old.x) / size.x;
    const double stepY = static_cast<double>(old.y) / size.y;
    sf::Image result;
    result.create(size.x, size.y, sf::Color::Transparent);
    for (unsigned y = 0; y < size.y; ++y) {
        const double top = y * stepY;
        const double bottom = top + stepY;
        for (unsigned x = 0; x < size.x; ++x) {
            const double left = x * stepX;
            const double right = left + stepX;
            Coverage coverage;
            const auto lastY = std::min(old.y, static_cast<unsigned>(std::ceil(bottom)));
            const auto lastX = std::min(old.x, static_cast<unsigned>(std::ceil(right)));
            for (auto oldY = static_cast<unsigned>(top); oldY < lastY; ++oldY) {
                for (auto oldX = static_cast<unsigned>(left); oldX < lastX; ++oldX) {
                    coverage.add(source.getPixel(oldX, oldY),
                                 overlap(oldX, left, right) * overlap(oldY, top, bottom));
                }
            }
            result.setPixel(x, y, coverage.average());
        }
    }
    return result;
}
