#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "entities/Projectile.hpp"
#include "toolkit/ParticleSystem.hpp"
#include "world/WorldRenderer.hpp"

// Stands in for the game's drawing service: writes down every call, and keeps trails as
// real connected entries so that tests can see which are cut and what each one follows.
class RecordingRenderer : public WorldRenderer {
public:
    struct Burst {
        BurstKind kind;
        float x;
        float y;
    };
    struct Trail {
        const Projectile* projectile;
        std::shared_ptr<tk::ConnectionSlot> slot;
    };

    void drawTileMap(const TileMap&) override { layers.push_back("tiles"); }
    void drawSprite(const Entity&, const std::string& imageName) override {
        layers.push_back(imageName);
    }
    void drawGold(std::uint32_t gold, sf::Vector2f position) override {
        layers.push_back("gold");
        drawnGold = gold;
        goldPosition = position;
    }
    void drawParticles() override { layers.push_back("particles"); }
    sf::Vector2u windowSize() const override { return size; }

    void burst(BurstKind kind, float x, float y) override { bursts.push_back({kind, x, y}); }

    void attachTrail(Projectile& projectile) override {
        auto slot = std::make_shared<tk::ConnectionSlot>();
        const auto entry = trails.insert(trails.end(), Trail{&projectile, slot});
        slot->remove = [this, entry] { trails.erase(entry); };
        projectile.emitterConnection = tk::Connection(slot);
        ++trailsAttached;
    }

    std::vector<std::string> layers;
    std::uint32_t drawnGold = 0;
    sf::Vector2f goldPosition;
    sf::Vector2u size{1024, 768};
    std::vector<Burst> bursts;
    std::list<Trail> trails;  // the trails still connected
    int trailsAttached = 0;
    // Advanced by every step like the game's; the recorder itself adds nothing to it.
    tk::ParticleSystem particles;
};
