#include "entities/Entity.hpp"

#include <cmath>

#include "toolkit/Angles.hpp"

Entity::Entity(sf::Vector2f position, float rotation, std::int32_t health)
    : position(position), rotation(rotation), health(health) {}

sf::FloatRect Entity::getBoundingBox() const {
    const float radius = getRadius();
    return {position.x - radius, position.y - radius, 2.f * radius, 2.f * radius};
}

void Entity::onCollision(std::int32_t) {}

void Entity::update(sf::Time dt) {
    moveAlong(velocity(), dt);
}

void Entity::moveAlong(sf::Vector2f v, sf::Time dt) {
    position += v * dt.asSeconds();
}

bool Entity::isDead() const {
    return health <= 0;
}

sf::Vector2f Entity::heading() const {
    // The sine and cosine are taken in double so that every build moves entities alike.
    const double radians = rotation * tk::kDegreesToRadians;
    return {static_cast<float>(std::cos(radians)), static_cast<float>(std::sin(radians))};
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
    rotation = tk::polarAngle(v);
}
