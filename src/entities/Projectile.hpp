#pragma once

#include "entities/Entity.hpp"

// A turret's shot: flies straight, bounces off walls and expires after a while.
class Projectile final : public Entity {
public:
    static sf::Time initialLifetime() { return sf::seconds(3.f); }

    Projectile(sf::Vector2f position, float rotation) : Entity(position, rotation, 1) {}

    float getRadius() const override { return 6.f; }
    float getSpeed() const override { return 100.f; }
    void update(sf::Time dt) override { advance(StepLength(dt)); }
    // update, for a step length already converted.
    void advance(const StepLength& step);
    bool isDead() const override;

    // Time left before the shot expires; it is still alive at exactly zero.
    sf::Time lifetime = initialLifetime();
};
