#pragma once

#include <cstdint>
#include <string>

#include "ui/HudRenderer.hpp"
#include "world/SoundCues.hpp"
#include "world/WorldRenderer.hpp"

// The game's drawing and sound services for a run that nobody watches or hears. Particles only
// ever draw on the random engine for their looks, after every heading that shapes the game has
// been drawn, so leaving them out changes nothing that a level maker could see in the outcome.
class SilentWorldRenderer final : public WorldRenderer {
public:
    void drawTileMap(const TileMap&) override {}
    void drawSprite(const Entity&, const std::string&) override {}
    void drawGold(std::uint32_t, sf::Vector2f) override {}
    void drawParticles() override {}
    sf::Vector2u windowSize() const override { return {1024, 768}; }
    void burst(BurstKind, float, float) override {}
    void attachTrail(Projectile&) override {}
};

class SilentSounds final : public SoundCues {
public:
    void play(const std::string&) override {}
    void purgeStopped() override {}
};

class SilentHudRenderer final : public HudRenderer {
public:
    sf::Vector2u windowSize() const override { return {1024, 768}; }
    void drawTimelineButton(const TimelineButton&) override {}
    void drawBuildEntry(const BuildEntry&) override {}
    void drawTitleScreen() override {}
    void drawGameOverScreen() override {}
};
