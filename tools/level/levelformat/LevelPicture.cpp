#include "levelformat/LevelPicture.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/SilentServices.hpp"
#include "entities/Entity.hpp"
#include "levelformat/ScaledImage.hpp"
#include "ui/Assets.hpp"
#include "world/World.hpp"

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
    if (!image.loadFromFile(path)) {
        throw std::runtime_error("cannot read the picture " + path);
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
