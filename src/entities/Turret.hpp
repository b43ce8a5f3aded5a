#pragma once

#include "entities/Entity.hpp"
#include "entities/GameNumbers.hpp"

// A building that shoots at zombies; the World decides when it fires.
class Turret final : public Entity {
public:
    Turret(sf::Vector2f position, float rotation) : Entity(position, rotation, kTurretHealth) {}

    float getRadius() const override { return kBuildingRadius; }
    float getSpeed() const override { return 0.f; }

    // Time left before the turret may fire again; zero while it searches.
    sf::Time cooldown;
};
