#include "Canvas.hpp"

#include <algorithm>
#include <cmath>

namespace assetgen {

Canvas::Canvas(unsigned width, unsigned height, unsigned supersampling)
    : pixelWidth(width),
      pixelHeight(height),
      supersampling(std::max(supersampling, 1u)),
      samples(static_cast<std::size_t>(width) * height * this->supersampling *
              this->supersampling) {}

Canvas Canvas::centred(unsigned size, float scale) {
    Canvas canvas(size, size);
    canvas.setFrame({size / 2.f, size / 2.f}, scale);
    return canvas;
}

void Canvas::setFrame(sf::Vector2f newOrigin, float newScale) {
    origin = newOrigin;
    scale = newScale;
}

void Canvas::fill(const Shape& shape, const Colour& colour, float feather) {
    fill(
        shape, [colour](sf::Vector2f) { return colour; }, feather);
}

void Canvas::fill(const Shape& shape, const Paint& paint, float feather) {
    const unsigned columns = pixelWidth * supersampling;
    const unsigned rows = pixelHeight * supersampling;
    const float step = 1.f / static_cast<float>(supersampling);
    // One sample's width of ramp is enough edge once the samples are averaged.
    const float ramp = std::max(feather, step);
    for (unsigned row = 0; row < rows; ++row) {
        for (unsigned column = 0; column < columns; ++column) {
            const sf::Vector2f pixel{(static_cast<float>(column) + 0.5f) * step,
                                     (static_cast<float>(row) + 0.5f) * step};
            const sf::Vector2f local = (pixel - origin) / scale;
            const float distance = shape(local) * scale;
            const float coverage = std::clamp(0.5f - distance / ramp, 0.f, 1.f);
            if (coverage <= 0.f) {
                continue;
            }
            const Colour colour = paint(local);
            const float alpha = std::clamp(colour.a, 0.f, 1.f) * coverage;
            Sample& sample = samples[static_cast<std::size_t>(row) * columns + column];
            const float keep = 1.f - alpha;
            sample.r = colour.r * alpha + sample.r * keep;
            sample.g = colour.g * alpha + sample.g * keep;
            sample.b = colour.b * alpha + sample.b * keep;
            sample.a = alpha + sample.a * keep;
        }
    }
}

sf::Image Canvas::toImage() const {
    sf::Image image;
    image.create(pixelWidth, pixelHeight, sf::Color::Transparent);
    const unsigned columns = pixelWidth * supersampling;
    const float count = static_cast<float>(supersampling * supersampling);
    for (unsigned y = 0; y < pixelHeight; ++y) {
        for (unsigned x = 0; x < pixelWidth; ++x) {
            Sample sum;
            for (unsigned sy = 0; sy < supersampling; ++sy) {
                for (unsigned sx = 0; sx < supersampling; ++sx) {
                    const Sample& sample =
                        samples[static_cast<std::size_t>(y * supersampling + sy) * columns +
                                x * supersampling + sx];
                    sum.r += sample.r;
                    sum.g += sample.g;
                    sum.b += sample.b;
                    sum.a += sample.a;
                }
            }
            const float alpha = sum.a / count;
            if (alpha <= 0.f) {
                continue;
            }
            image.setPixel(x, y,
                           sf::Color(toByte(sum.r / sum.a), toByte(sum.g / sum.a),
                                     toByte(sum.b / sum.a), toByte(alpha)));
        }
    }
    bleedEdges(image);
    return image;
}

void Canvas::bleedEdges(sf::Image& image) {
    // The game draws sprites with smoothing on, which blends an edge pixel with its transparent
    // neighbour; giving that neighbour the edge's colour keeps black fringes out of the blend.
    const sf::Image source = image;
    const auto width = static_cast<int>(image.getSize().x);
    const auto height = static_cast<int>(image.getSize().y);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (source.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a != 0) {
                continue;
            }
            float r = 0.f, g = 0.f, b = 0.f, weight = 0.f;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                        continue;
                    }
                    const sf::Color near =
                        source.getPixel(static_cast<unsigned>(nx), static_cast<unsigned>(ny));
                    r += near.r * static_cast<float>(near.a);
                    g += near.g * static_cast<float>(near.a);
                    b += near.b * static_cast<float>(near.a);
                    weight += near.a;
                }
            }
            if (weight > 0.f) {
                image.setPixel(static_cast<unsigned>(x), static_cast<unsigned>(y),
                               sf::Color(static_cast<sf::Uint8>(std::lround(r / weight)),
                                         static_cast<sf::Uint8>(std::lround(g / weight)),
                                         static_cast<sf::Uint8>(std::lround(b / weight)), 0));
            }
        }
    }
}

}  // namespace assetgen
