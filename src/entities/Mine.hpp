#pragma once

#include "entities/Entity.hpp"

// A one-shot building that kills the nearest zombie coming close.
class Mine final : public Entity {
public:
    static constexpr std::int32_t kHealth = 1;

    explicit Mine(sf::Vector2f position) : Entity(position, 0.f, kHealth) {}

    float getRadius() const override { return 10.f; }
    float getSpeed() const override { return 0.f; }
};
