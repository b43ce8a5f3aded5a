#include "Thumbnail.hpp"

#include <cmath>
#include <optional>
#include <stdexcept>

#include "entities/GameNumbers.hpp"
#include "ui/Assets.hpp"
#include "world/TileMap.hpp"

namespace {

// Points a side of a thumbnail pixel is sampled at: 16 a pixel smooth the streets as well as
// mipmaps would, and still cost less than a millisecond a level.
constexpr unsigned kPointsPerSide = 4;

// What the game draws over the floor of a cell holding this code, as its World places it.
const char* placedPicture(std::int32_t code) {
    switch (code) {
        case SpawnZombie:
            return "zombie.png";
        case SpawnHuman:
            return "human.png";
        case BuildTurret:
            return "turret.png";
        case BuildBarricade:
            return "barricade.png";
        case BuildMine:
            return "mine.png";
        default:
            return nullptr;
    }
}

// The picture's pixel at a place measured from its top left, or none off its edges.
std::optional<sf::Color> pixelAt(const sf::Image& image, float x, float y) {
    if (x < 0.f || y < 0.f) {
        return std::nullopt;
    }
    const auto column = static_cast<unsigned>(x);
    const auto row = static_cast<unsigned>(y);
    if (column >= image.getSize().x || row >= image.getSize().y) {
        return std::nullopt;
    }
    return image.getPixel(column, row);
}

sf::Color over(const sf::Color& top, const sf::Color& under) {
    const auto mix = [&top](sf::Uint8 upper, sf::Uint8 lower) {
        return static_cast<sf::Uint8>((upper * top.a + lower * (255 - top.a) + 127) / 255);
    };
    return {mix(top.r, under.r), mix(top.g, under.g), mix(top.b, under.b), 255};
}

}  // namespace

sf::Image Thumbnail::paint(const TileMap& level, unsigned side) {
    const std::vector<Point> along = points(level.size, side);
    sf::Image thumbnail;
    thumbnail.create(side, side, sf::Color::Black);
    for (unsigned y = 0; y < side; ++y) {
        for (unsigned x = 0; x < side; ++x) {
            unsigned red = 0, green = 0, blue = 0;
            for (unsigned j = 0; j < kPointsPerSide; ++j) {
                for (unsigned i = 0; i < kPointsPerSide; ++i) {
                    const sf::Color point = colourAt(level, along[x * kPointsPerSide + i],
                                                     along[y * kPointsPerSide + j]);
                    red += point.r;
                    green += point.g;
                    blue += point.b;
                }
            }
            constexpr unsigned kPoints = kPointsPerSide * kPointsPerSide;
            thumbnail.setPixel(x, y,
                               sf::Color(static_cast<sf::Uint8>((red + kPoints / 2) / kPoints),
                                         static_cast<sf::Uint8>((green + kPoints / 2) / kPoints),
                                         static_cast<sf::Uint8>((blue + kPoints / 2) / kPoints)));
        }
    }
    return thumbnail;
}

std::vector<Thumbnail::Point> Thumbnail::points(std::size_t cells, unsigned side) const {
    // The same for columns and rows, since levels are square.
    const double tile = kTileSize;
    const double gamePixels = static_cast<double>(cells) * tile;
    std::vector<Point> found;
    found.reserve(std::size_t(side) * kPointsPerSide);
    for (unsigned i = 0; i < side * kPointsPerSide; ++i) {
        const double at = (i + 0.5) * gamePixels / (side * kPointsPerSide);
        const double cell = std::floor(at / tile);
        found.push_back({static_cast<std::size_t>(cell), static_cast<float>(at - cell * tile)});
    }
    return found;
}

sf::Color Thumbnail::colourAt(const TileMap& level, const Point& column, const Point& row) {
    const Look& look = lookOf(
        level.at(static_cast<std::int64_t>(column.cell), static_cast<std::int64_t>(row.cell)));
    sf::Color colour = pixelAt(*look.ground, column.within, row.within).value_or(sf::Color::Black);
    if (look.placed != nullptr) {
        // Centred the way the game's sprites are: the origin at half the picture, rounded down.
        const sf::Vector2u size = look.placed->getSize();
        const float middle = kTileSize / 2.f;
        const float left = middle - static_cast<float>(size.x / 2);
        const float top = middle - static_cast<float>(size.y / 2);
        if (const auto pixel = pixelAt(*look.placed, column.within - left, row.within - top)) {
            colour = over(*pixel, colour);
        }
    }
    return colour;
}

const Thumbnail::Look& Thumbnail::lookOf(std::int32_t code) {
    if (code < 0 || code >= static_cast<std::int32_t>(looks.size())) {
        code = Floor;
    }
    Look& look = looks[static_cast<std::size_t>(code)];
    if (look.ground == nullptr) {
        // The World turns every code but a wall into floor, and puts what the code places on
        // it. The ground is set last, as the mark of a look read whole.
        const sf::Image* const ground = &picture(cellPicture(code == Block ? Block : Floor));
        const char* const placed = placedPicture(code);
        look.placed = placed != nullptr ? &picture(placed) : nullptr;
        look.ground = ground;
    }
    return look;
}

const sf::Image& Thumbnail::picture(const std::string& name) {
    const auto found = pictures.find(name);
    if (found != pictures.end()) {
        return found->second;
    }
    sf::Image image;
    const std::string path = folder + "/" + name;
    if (!image.loadFromFile(path)) {
        throw std::runtime_error("cannot read the picture " + path);
    }
    return pictures.emplace(name, image).first->second;
}
