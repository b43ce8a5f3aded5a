#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <cstring>

#include "entities/StepLength.hpp"
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
    virtual sf::FloatRect getBoundingBox() const {
        const float radius = getRadius();
        return {position.x - radius, position.y - radius, 2.f * radius, 2.f * radius};
    }
    virtual float getRadius() const = 0;
    virtual float getSpeed() const = 0;
    // Told the code of the cell the entity ran into; most kinds do not care.
    virtual void onCollision(std::int32_t code);
    // Moves the entity along its heading for dt.
    virtual void update(sf::Time dt);
    virtual bool isDead() const { return health <= 0; }

    // Reflects the heading off a wall whose outward normal is given; a still entity keeps it.
    void bounce(sf::Vector2f normal);

    // The unit vector of the current rotation, computed the same way by movement and bounce.
    // Most steps leave a rotation as it was, so the vector is kept and worked out again only
    // once the rotation has changed.
    sf::Vector2f heading() const {
        if (bitsOf(rotation) != headingRotationBits) {
            rememberHeading();
        }
        return headingVector;
    }
    sf::Vector2f velocity() const { return heading() * getSpeed(); }

    sf::Vector2f position;
    float rotation = 0.f;
    std::int32_t health = 0;
    // Shared by every copy; the World cuts it just before it removes a dead entity.
    tk::Connection emitterConnection;

protected:
    // A timer less one update. Written out because the media library's time arithmetic is
    // never inlined and "-=" alone makes five calls into it; timers count down at every update.
    static sf::Time countedDown(sf::Time timer, const StepLength& step) {
        return sf::microseconds(timer.asMicroseconds() - step.microseconds);
    }
    // The movement of update, for kinds that already hold their velocity and the step's length
    // in seconds.
    void moveAlong(sf::Vector2f v, float seconds) { position += v * seconds; }

private:
    // Compared by their bits: a rotation of -0 gives another sine than one of +0.
    static std::uint32_t bitsOf(float value) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    }
    void rememberHeading() const;
    float headingAfterBounce(sf::Vector2f v);

    // The heading of the rotation whose bits are kept beside it.
    mutable std::uint32_t headingRotationBits = 0;
    mutable sf::Vector2f headingVector;
    // The last velocity a bounce turned into a rotation, with that rotation: an entity whose
    // box stays over a wall bounces every step with the same velocity until it is clear.
    // A still entity never bounces, so the zero velocity marks that none is kept.
    sf::Vector2f bouncedVelocity;
    float bouncedRotation = 0.f;
};
