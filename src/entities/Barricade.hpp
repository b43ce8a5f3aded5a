#pragma once

#include "entities/Entity.hpp"
#include "entities/GameNumbers.hpp"

// A passive building that zombies stop at and wear down.
class Barricade final : public Entity {
public:
    explicit Barricade(sf::Vector2f position) : Entity(position, 0.f, kBarricadeHealth) {}

    float getRadius() const override { return kBuildingRadius; }
    float getSpeed() const override { return 0.f; }
};
