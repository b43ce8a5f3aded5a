#pragma once

#include <SFML/System/Vector2.hpp>

namespace tk {

constexpr float kDegreesToRadians = 0.017453292f;
constexpr float kRadiansToDegrees = 57.2957763671875f;

// atan2(y, x) in degrees, in (-180, 180]. The zero vector has no angle: callers check first.
float polarAngle(sf::Vector2f vector);

// Turns a vector by the given degrees; positive turns clockwise on screen, where y points down.
sf::Vector2f rotatedVector(sf::Vector2f vector, float degrees);

}  // namespace tk
