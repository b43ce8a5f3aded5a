#pragma once

#include "entities/Entity.hpp"

// A building that shoots at zombies; the World decides when it fires.
class Turret final : public Entity {
public:
    static constexpr std::int32_t kHealth = 4;

    Turret(sf::Vector2f position, float rotation) : Entity(position, rotation, kHealth) {}

    float getRadius() const override { return 10.f; }
    float getSpeed() const override { return 0.f; }

    // Time left before the turret may fire again; zero while it searches.
    sf::Time cooldown;
};
