#include "toolkit/Angles.hpp"

#include <cmath>

namespace tk {

float polarAngle(sf::Vector2f vector) {
    const float degrees = std::atan2(vector.y, vector.x) * kRadiansToDegrees;
    // atan2 gives -pi for a y of -0.0 on the negative x axis; that direction is +180 here.
    return degrees <= -180.f ? 180.f : degrees;
}

sf::Vector2f rotatedVector(sf::Vector2f vector, float degrees) {
    const float radians = degrees * kDegreesToRadians;
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    return {vector.x * cosine - vector.y * sine, vector.x * sine + vector.y * cosine};
}

}  // namespace tk
