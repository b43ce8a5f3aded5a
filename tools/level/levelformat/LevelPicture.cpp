#include "levelformat/LevelPicture.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/SilentServices.hpp"
#include "console/SystemCalls.hpp"
#include "entities/Entity.hpp"
#include "levelformat/ScaledImage.hpp"
#include "ui/Assets.hpp"
#include "world/World.hpp"

namespace {

// The game's pictures take kilobytes; a file far beyond is none of them, and /dev/zero given as
// the assets must not fill the memory.
constexpr std::size_t kLargestPictureFile = std::size_t(64) << 20;

}  // namespace

const sf::Image& LevelPicture::paint(const TileMap& level) {
    const unsigned edge = level.size * cell;
    canvas.create(edge, edge, sf::Color::Black);
    SilentSounds sounds;
    World world(*this, sounds, level);
    world.draw();
    return canvas;
}

const sf::Image& LevelPicture::paint(const WorldState& moment) {
    const unsigned edge = moment.tileMap.size * cell;
    canvas.create(edge, edge, sf::Color::Black);
    SilentSounds sounds;
    // Built on an empty grid, which spawns nothing and so draws no heading.
    World world(*this, sounds, TileMap());
    world.replaceState(moment);
    world.draw();
    return canvas;
}

void LevelPicture::drawTileMap(const TileMap& tileMap) {
    for (std::uint32_t row = 0; row < tileMap.size; ++row) {
        for (std::uint32_t column = 0; column < tileMap.size; ++column) {
            const char* const name = cellPicture(tileMap.at(column, row));
            if (name == nullptr) {
                continue;
            }
            const sf::FloatRect place = tileMap.cellRect(column, row);
            paste(picture(name), scaled(place.left), scaled(place.top));
        }
    }
}

void LevelPicture::drawSprite(const Entity& entity, const std::string& imageName) {
    // Centred the way the game's sprites are: the origin at half the picture, rounded down.
    const sf::Image& image = picture(imageName);
    const auto originX = static_cast<int>(image.getSize().x / 2);
    const auto originY = static_cast<int>(image.getSize().y / 2);
    paste(image, scaled(entity.position.x) - originX, scaled(entity.position.y) - originY);
}

int LevelPicture::scaled(double gamePixels) const {
    return static_cast<int>(gamePixels * cell / kTileSize);
}

const sf::Image& LevelPicture::picture(const std::string& name) {
    const auto found = pictures.find(name);
    if (found != pictures.end()) {
        return found->second;
    }
    sf::Image image;
    const std::string path = folder + "/" + name;
    // Read here rather than by SFML, which gives no reason for a file it cannot open.
    std::string bytes;
    if (const int reason = readAtMost(path, kLargestPictureFile + 1, bytes)) {
        throw std::runtime_error("cannot read the picture " + path + ": " + whyNot(path, reason));
    }
    if (bytes.size() > kLargestPictureFile || !image.loadFromMemory(bytes.data(), bytes.size())) {
        throw std::runtime_error("cannot read the picture " + path + ": it is not a picture");
    }
    if (cell != static_cast<std::uint32_t>(kTileSize)) {
        const sf::Vector2u size = image.getSize();
        const auto side = [this](unsigned pixels) {
            return std::max(1u,
                            static_cast<unsigned>(std::lround(double(pixels) * cell / kTileSize)));
        };
        image = scaledImage(image, {side(size.x), side(size.y)});
    }
    return pictures.emplace(name, image).first->second;
}

void LevelPicture::paste(const sf::Image& image, int left, int top) {
    // Alpha over what is there, as the game's default blending does; cut at the image's edges.
    const int skipX = left < 0 ? -left : 0;
    const int skipY = top < 0 ? -top : 0;
    const sf::IntRect source(skipX, skipY, static_cast<int>(image.getSize().x) - skipX,
                             static_cast<int>(image.getSize().y) - skipY);
    if (source.width > 0 && source.height > 0) {
        canvas.copy(image, static_cast<unsigned>(left + skipX), static_cast<unsigned>(top + skipY),
                    source, true);
    }
}
