#pragma once

#include "entities/Entity.hpp"
#include "entities/GameNumbers.hpp"

// A one-shot building that kills the nearest zombie coming close.
class Mine final : public Entity {
public:
    explicit Mine(sf::Vector2f position) : Entity(position, 0.f, kMineHealth) {}

    float getRadius() const override { return kBuildingRadius; }
    float getSpeed() const override { return 0.f; }
};
