#pragma once

#include <SFML/Graphics/Color.hpp>
#include <cstdint>
#include <string>

#include "toolkit/ParticleSystem.hpp"
#include "ui/HudRenderer.hpp"
#include "world/WorldRenderer.hpp"

namespace sf {
class Font;
class RenderWindow;
class SoundBuffer;
class Texture;
}  // namespace sf
namespace tk {
class MultiResourceCache;
}

// The one drawing service of the game: asset lookups by file name, every draw operation of the
// world and the interface, and the particle system that both feed.
class Renderer final : public WorldRenderer, public HudRenderer {
public:
    Renderer(sf::RenderWindow& window, tk::MultiResourceCache& resources);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    sf::Texture& getTexture(const std::string& name);
    sf::Font& getFont(const std::string& name);
    sf::SoundBuffer& getSoundBuffer(const std::string& name);

    void drawTileMap(const TileMap& tileMap) override;
    void drawSprite(const Entity& entity, const std::string& imageName) override;
    void drawGold(std::uint32_t gold, sf::Vector2f position) override;
    void drawParticles() override;
    sf::Vector2u windowSize() const override;

    void drawTimelineButton(const TimelineButton& button) override;
    void drawBuildEntry(const BuildEntry& entry) override;
    void drawTitleScreen() override;
    void drawGameOverScreen() override;

    void burst(BurstKind kind, float x, float y) override;
    void attachTrail(Projectile& projectile) override;

private:
    void setupParticles();
    void drawOverlay(sf::Color sheetColour, const std::string& word, sf::Color wordColour);

    sf::RenderWindow* window;
    tk::MultiResourceCache* resources;

public:
    // Advanced once per simulation step by the rules of play, drawn last over the world.
    tk::ParticleSystem particles;

private:
    // The gold drawn last in this frame decides which prices the build menu shows as affordable.
    std::uint32_t lastGold = 0;
};
