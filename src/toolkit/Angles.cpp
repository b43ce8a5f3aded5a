#include "toolkit/Angles.hpp"

#include <cmath>

namespace tk {

float polarAngle(sf::Vector2f vector) { return std::atan2(vector.y, vector.x) * kRadiansToDegrees; }

sf::Vector2f rotatedVector(sf::Vector2f vector, float degrees) {
    const float radians = degrees * kDegreesToRadians;
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    return {vector.x * cosine - vector.y * sine, vector.x * sine + vector.y * cosine};
}

}  // namespace tk
