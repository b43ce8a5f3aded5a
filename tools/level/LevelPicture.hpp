#pragma once

#include <SFML/Graphics/Image.hpp>
#include <map>
#include <string>

#include "world/WorldRenderer.hpp"

class TileMap;

// Paints a level as the game's first frame shows it, into an image rather than a window: the
// World draws itself in its own order through this renderer, and every picture is pasted at
// 30 pixels a cell. Creatures and buildings face right, the heading their pictures are painted
// in, since the random headings of one game say nothing about the level.
class LevelPicture final : public WorldRenderer {
public:
    // The folder holding the game's pictures, "assets/textures" of the staged game.
    explicit LevelPicture(std::string textureFolder) : folder(std::move(textureFolder)) {}

    // Throws std::runtime_error when a picture cannot be read.
    sf::Image paint(const TileMap& level);

    void drawTileMap(const TileMap& tileMap) override;
    void drawSprite(const Entity& entity, const std::string& imageName) override;
    void drawGold(std::uint32_t, sf::Vector2f) override {}
    void drawParticles() override {}
    sf::Vector2u windowSize() const override { return canvas.getSize(); }
    void burst(BurstKind, float, float) override {}
    void attachTrail(Projectile&) override {}

private:
    const sf::Image& picture(const std::string& name);
    void paste(const sf::Image& image, int left, int top);

    std::string folder;
    std::map<std::string, sf::Image> pictures;
    sf::Image canvas;
};
