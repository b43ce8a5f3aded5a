#include "toolkit/Distributions.hpp"

#include <cmath>

#include "toolkit/Angles.hpp"
#include "toolkit/Random.hpp"

namespace tk {

std::function<sf::Vector2f()> deflect(sf::Vector2f direction, float maxRotationDegrees) {
    const float spread = std::abs(maxRotationDegrees);
    return [direction, spread] { return rotatedVector(direction, random(-spread, spread)); };
}

}  // namespace tk
