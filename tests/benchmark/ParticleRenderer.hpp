#pragma once

#include "entities/Projectile.hpp"
#include "toolkit/ParticleSystem.hpp"
#include "ui/ParticleEffects.hpp"
#include "world/WorldRenderer.hpp"

// A renderer with no window that still makes and advances the game's particles, so that a
// measured step costs what a fast-forward step costs.
class ParticleRenderer : public WorldRenderer {
public:
    ParticleRenderer() { setupParticleFade(particles); }

    void drawTileMap(const TileMap&) override {}
    void drawSprite(const Entity&, const std::string&) override {}
    void drawGold(std::uint32_t, sf::Vector2f) override {}
    void drawParticles() override {}
    sf::Vector2u windowSize() const override { return {1024, 768}; }

    void burst(BurstKind kind, float x, float y) override { addBurst(particles, kind, {x, y}); }
    void attachTrail(Projectile& projectile) override {
        projectile.emitterConnection = addTrail(particles, projectile);
    }

    tk::ParticleSystem particles;
};
