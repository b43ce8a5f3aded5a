#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <string>

#include "world/BurstKind.hpp"

class Entity;
class Projectile;
class TileMap;

// Everything the World asks of the drawing service: its layers and its particle effects.
// The game's Renderer implements it; tests record the calls instead, with no window.
class WorldRenderer {
public:
    virtual void drawTileMap(const TileMap& tileMap) = 0;
    virtual void drawSprite(const Entity& entity, const std::string& imageName) = 0;
    virtual void drawGold(std::uint32_t gold, sf::Vector2f position) = 0;
    virtual void drawParticles() = 0;
    virtual sf::Vector2u windowSize() const = 0;

    virtual void burst(BurstKind kind, float x, float y) = 0;
    // Starts a trail following the projectile where it is stored, and keeps the trail's
    // connection in the projectile so that it can be cut when the projectile goes.
    virtual void attachTrail(Projectile& projectile) = 0;

protected:
    ~WorldRenderer() = default;
};
