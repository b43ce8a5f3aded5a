#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "entities/Projectile.hpp"
#include "toolkit/Connection.hpp"
#include "toolkit/ParticleSystem.hpp"
#include "ui/ParticleEffects.hpp"
#include "world/WorldRenderer.hpp"

// A renderer with no window that still makes and advances the game's real particles, so that
// a measured or soaked step costs what a game step costs. It also keeps a ledger of the
// bursts it started and of every trail with the projectile it reads, so that long runs can
// prove that no trail is left reading a projectile that has gone.
class ParticleRenderer : public WorldRenderer {
public:
    struct Trail {
        const Projectile* projectile;
        tk::Connection connection;
    };

    ParticleRenderer() { setupParticleFade(particles); }

    void drawTileMap(const TileMap&) override {}
    void drawSprite(const Entity&, const std::string&) override {}
    void drawGold(std::uint32_t, sf::Vector2f) override {}
    void drawParticles() override {}
    sf::Vector2u windowSize() const override { return {1024, 768}; }

    void burst(BurstKind kind, float x, float y) override {
        addBurst(particles, kind, {x, y});
        ++burstsStarted;
    }

    void attachTrail(Projectile& projectile) override {
        projectile.emitterConnection = addTrail(particles, projectile);
        forgetCutTrailsNowAndThen();
        trails.push_back({&projectile, projectile.emitterConnection});
    }

    // The trails whose emitters are still in the particle system.
    std::vector<Trail> connectedTrails() const {
        std::vector<Trail> connected;
        for (const Trail& trail : trails) {
            if (trail.connection.isConnected()) {
                connected.push_back(trail);
            }
        }
        return connected;
    }

    tk::ParticleSystem particles;
    std::uint64_t burstsStarted = 0;

private:
    // Cut trails are dropped from the ledger once it has doubled, so that a run of millions
    // of shots keeps a ledger the size of the trails alive, at a constant cost per shot.
    void forgetCutTrailsNowAndThen() {
        if (trails.size() < forgetAt) {
            return;
        }
        trails.erase(
            std::remove_if(trails.begin(), trails.end(),
                           [](const Trail& trail) { return !trail.connection.isConnected(); }),
            trails.end());
        forgetAt = 2 * trails.size() + 64;
    }

    std::vector<Trail> trails;
    std::size_t forgetAt = 64;
};
