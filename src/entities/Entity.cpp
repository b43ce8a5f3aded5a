#include "entities/Entity.hpp"

#include <cmath>

#include "toolkit/Angles.hpp"

Entity::Entity(sf::Vector2f position, float rotation, std::int32_t health)
    : position(position), rotation(rotation), health(health) {
    rememberHeading();
}

void Entity::onCollision(std::int32_t) {}

void Entity::update(sf::Time dt) {
    moveAlong(velocity(), dt.asSeconds());
}

void Entity::rememberHeading() const {
    // The sine and cosine are taken in double so that every build moves entities alike.
    const double radians = rotation * tk::kDegreesToRadians;
    headingVector = {static_cast<float>(std::cos(radians)), static_cast<float>(std::sin(radians))};
    headingRotationBits = bitsOf(rotation);
}

void Entity::bounce(sf::Vector2f normal) {
    sf::Vector2f v = velocity();
    // Only the component running into the wall turns round; motion along or away from it stays.
    if ((normal.x < 0.f && v.x > 0.f) || (normal.x > 0.f && v.x < 0.f)) {
        v.x = -v.x;
    }
    if ((normal.y < 0.f && v.y > 0.f) || (normal.y > 0.f && v.y < 0.f)) {
        v.y = -v.y;
    }
    if (v.x == 0.f && v.y == 0.f) {
        return;
    }
    rotation = headingAfterBounce(v);
}

float Entity::headingAfterBounce(sf::Vector2f v) {
    if (bitsOf(v.x) != bitsOf(bouncedVelocity.x) || bitsOf(v.y) != bitsOf(bouncedVelocity.y)) {
        bouncedVelocity = v;
        bouncedRotation = tk::polarAngle(v);
    }
    return bouncedRotation;
}
