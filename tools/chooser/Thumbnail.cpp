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
std::optional<sf::Color> pixelAt(const sf::Image& image, int x, int y) {
    if (x < 0 || y < 0 || x >= static_cast<int>(image.getSize().x) ||
        y >= static_cast<int>(image.getSize().y)) {
        return std::nullopt;
    }
    return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
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
    constexpr unsigned kPoints = kPointsPerSide * kPointsPerSide;
    for (unsigned y = 0; y < side; ++y) {
        for (unsigned x = 0; x < side; ++x) {
            unsigned red = kPoints / 2, green = kPoints / 2, blue = kPoints / 2;
            for (unsigned j = 0; j < kPointsPerSide; ++j) {
                const Point& row = along[y * kPointsPerSide + j];
                for (unsigned i = 0; i < kPointsPerSide; ++i) {
                    const Point& column = along[x * kPointsPerSide + i];
                    const sf::Color& point = cellPicture(level.at(
                        static_cast<std::int64_t>(column.cell),
                        static_cast<std::int64_t>(row.cell)))[row.pixel * kTileSize + column.pixel];
                    red += point.r;
                    green += point.g;
                    blue += point.b;
                }
            }
            thumbnail.setPixel(x, y,
                               sf::Color(static_cast<sf::Uint8>(red / kPoints),
                                         static_cast<sf::Uint8>(green / kPoints),
                                         static_cast<sf::Uint8>(blue / kPoints)));
        }
    }
    return thumbnail;
}

std::vector<Thumbnail::Point> Thumbnail::points(std::size_t cells, unsigned side) const {
    // The same for columns and rows, since levels are square.
    const double gamePixels = static_cast<double>(cells) * kTileSize;
    std::vector<Point> found;
    found.reserve(std::size_t(side) * kPointsPerSide);
    for (unsigned i = 0; i < side * kPointsPerSide; ++i) {
        const auto at = static_cast<std::size_t>((i + 0.5) * gamePixels / (side * kPointsPerSide));
        found.push_back({at / kTileSize, at % kTileSize});
    }
    return found;
}

const Thumbnail::CellPicture& Thumbnail::makeCellPicture(std::int32_t code) {
    CellPicture& cell = cells[static_cast<std::size_t>(code)];
    // The World turns every code but a wall into floor, and puts what the code places on it,
    // centred the way the game's sprites are: the origin at half the picture, rounded down.
    const sf::Image& ground = picture(::cellPicture(code == Block ? Block : Floor));
    const char* const placedName = placedPicture(code);
    const sf::Image* const placed = placedName != nullptr ? &picture(placedName) : nullptr;
    const int middle = kTileSize / 2;
    CellPicture made;
    made.reserve(std::size_t(kTileSize) * kTileSize);
    for (int y = 0; y < kTileSize; ++y) {
        for (int x = 0; x < kTileSize; ++x) {
            sf::Color colour = pixelAt(ground, x, y).value_or(sf::Color::Black);
            if (placed != nullptr) {
                const int left = middle - static_cast<int>(placed->getSize().x / 2);
                const int top = middle - static_cast<int>(placed->getSize().y / 2);
                if (const auto pixel = pixelAt(*placed, x - left, y - top)) {
                    colour = over(*pixel, colour);
                }
            }
            made.push_back(colour);
        }
    }
    cell = std::move(made);
    return cell;
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
