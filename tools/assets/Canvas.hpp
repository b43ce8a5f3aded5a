#pragma once

#include <SFML/Graphics/Image.hpp>
#include <functional>
#include <vector>

#include "Colour.hpp"
#include "Shapes.hpp"

namespace assetgen {

// The colour of a shape at a point in the painter's units, for gradients and shading.
using Paint = std::function<Colour(sf::Vector2f)>;

// A small picture painted at several samples per pixel and averaged down, so that the tiny
// sprites of the game get smooth edges against any background.
class Canvas {
public:
    Canvas(unsigned width, unsigned height, unsigned supersampling = 4);
    // A square canvas whose painter's origin is its centre: how every sprite is drawn.
    static Canvas centred(unsigned size, float scale = 1.f);

    unsigned width() const { return pixelWidth; }
    unsigned height() const { return pixelHeight; }

    // Painters draw in their own units: the point p lands on pixel position origin + p * scale,
    // which lets one painter serve both a sprite and its enlarged build-menu picture.
    void setFrame(sf::Vector2f origin, float scale);

    // Lays the shape over what is there. `feather` widens the edge (in pixels) for glows.
    void fill(const Shape& shape, const Colour& colour, float feather = 0.f);
    void fill(const Shape& shape, const Paint& paint, float feather = 0.f);

    sf::Image toImage() const;

private:
    static void bleedEdges(sf::Image& image);

    // Premultiplied, so that averaging the samples of a pixel never darkens a soft edge.
    struct Sample {
        float r = 0.f;
        float g = 0.f;
        float b = 0.f;
        float a = 0.f;
    };

    unsigned pixelWidth;
    unsigned pixelHeight;
    unsigned supersampling;
    sf::Vector2f origin{0.f, 0.f};
    float scale = 1.f;
    std::vector<Sample> samples;
};

}  // namespace assetgen
