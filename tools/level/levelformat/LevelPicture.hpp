#pragma once

#include <SFML/Graphics/Image.hpp>
#include <cstdint>
#include <map>
#include <string>

#include "entities/GameNumbers.hpp"
#include "world/WorldRenderer.hpp"

class TileMap;
struct WorldState;

// Paints a level as the game's first frame shows it, into an image rather than a window: the
// World draws itself in its own order through this renderer, and every picture is pasted at
// its place, scaled from the game's cell size to the one asked for. Creatures and buildings
// face right, the heading their pictures are painted in, since the random headings of one game
// say nothing about the level.
class LevelPicture final : public WorldRenderer {
public:
    // Image viewers and graphics cards commonly refuse pictures wider or higher than this, and
    // a picture this large already takes 1 GiB while it is painted.
    static constexpr std::uint32_t kLargestSide = 16384;

    // Whether a level of this side fits in kLargestSide at this many pixels a cell, and the
    // largest cell for which it does.
    static bool fits(std::uint32_t side, std::uint32_t cell) {
        return std::uint64_t(side) * cell <= kLargestSide;
    }
    static std::uint32_t largestCell(std::uint32_t side) { return kLargestSide / side; }

    // The folder holding the game's pictures, "assets/textures" of the staged game, and the
    // side of a cell in the picture, small enough that the levels it paints fit.
    explicit LevelPicture(std::string textureFolder, std::uint32_t cell = kTileSize)
        : folder(std::move(textureFolder)), cell(cell) {}

    // Throws std::runtime_error when a picture cannot be read. The picture stays with the
    // painter: at the largest size, a copy would take another gigabyte.
    const sf::Image& paint(const TileMap& level);
    // The town at a moment of play, as the same painter shows the level: a frame of a film.
    // Draws nothing from the random engine, so painting leaves the game's future alone.
    const sf::Image& paint(const WorldState& moment);

    void drawTileMap(const TileMap& tileMap) override;
    void drawSprite(const Entity& entity, const std::string& imageName) override;
    void drawGold(std::uint32_t, sf::Vector2f) override {}
    void drawParticles() override {}
    sf::Vector2u windowSize() const override { return canvas.getSize(); }
    void burst(BurstKind, float, float) override {}
    void attachTrail(Projectile&) override {}

private:
    // The game's picture of that name at this painter's scale, read once.
    const sf::Image& picture(const std::string& name);
    // From the game's pixels to the picture's.
    int scaled(double gamePixels) const;
    void paste(const sf::Image& image, int left, int top);

    std::string folder;
    std::uint32_t cell;
    std::map<std::string, sf::Image> pictures;
    sf::Image canvas;
};
