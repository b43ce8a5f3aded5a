#pragma once

#include <SFML/System/Vector2.hpp>
#include <functional>

namespace tk {

// A source of vectors: direction turned by an angle drawn uniformly from [-max, +max] degrees,
// so particles of one emitter spread within a cone (every way at 180) at the same speed.
std::function<sf::Vector2f()> deflect(sf::Vector2f direction, float maxRotationDegrees);

}  // namespace tk
