#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstdint>

#include "toolkit/Connection.hpp"

// Everything that takes part in the simulation: a value with a place, a heading and hit points,
// whose kind decides its size, speed, wall reaction and death through virtual operations.
class Entity {
public:
    Entity(sf::Vector2f position, float rotation, std::int32_t health);
    virtual ~Entity() = default;
    Entity(const Entity&) = default;
    Entity(Entity&&) = default;
    Entity& operator=(const Entity&) = default;
    Entity& operator=(Entity&&) = default;

    // The square of side twice the radius around the centre; wall tests use it.
    virtual sf::FloatRect getBoundingBox() const;
    virtual float getRadius() const = 0;
    virtual float getSpeed() const = 0;
    // Told the code of the cell the entity ran into; most kinds do not care.
    virtual void onCollision(std::int32_t code);
    // Moves the entity along its heading for dt.
    virtual void update(sf::Time dt);
    virtual bool isDead() const;

    // Reflects the heading off a wall whose outward normal is given; a still entity keeps it.
    void bounce(sf::Vector2f normal);

    // The unit vector of the current rotation, computed the same way by movement and bounce.
    sf::Vector2f heading() const;
    sf::Vector2f velocity() const { return heading() * getSpeed(); }

    sf::Vector2f position;
    float rotation = 0.f;
    std::int32_t health = 0;
    // Shared by every copy; the World cuts it just before it removes a dead entity.
    tk::Connection emitterConnection;

protected:
    // The movement of update, for kinds that already hold their velocity.
    void moveAlong(sf::Vector2f v, sf::Time dt);
};
