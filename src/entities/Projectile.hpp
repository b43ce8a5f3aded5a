#pragma once

#include "entities/Entity.hpp"
#include "entities/GameNumbers.hpp"

// A turret's shot: flies straight, bounces off walls and expires after a while.
class Projectile final : public Entity {
public:
    Projectile(sf::Vector2f position, float rotation)
        : Entity(position, rotation, kProjectileHealth) {}

    float getRadius() const override { return kProjectileRadius; }
    float getSpeed() const override { return kProjectileSpeed; }
    void update(sf::Time dt) override { advance(StepLength(dt)); }
    // update, for a step length already converted.
    void advance(const StepLength& step);
    bool isDead() const override;

    // Time left before the shot expires; it is still alive at exactly zero.
    sf::Time lifetime = projectileLifetime();
};
