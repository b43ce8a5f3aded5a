#pragma once

#include "entities/Entity.hpp"

// A passive building that zombies stop at and wear down.
class Barricade final : public Entity {
public:
    static constexpr std::int32_t kHealth = 10;

    explicit Barricade(sf::Vector2f position) : Entity(position, 0.f, kHealth) {}

    float getRadius() const override { return 10.f; }
    float getSpeed() const override { return 0.f; }
};
