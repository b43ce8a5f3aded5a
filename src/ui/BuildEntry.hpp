#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <cstdint>
#include <string>

// One kind of building in the build menu, with its price.
struct BuildEntry {
    std::int32_t code = 0;
    std::uint32_t cost = 0;
    std::string label;
    bool highlighted = false;
    sf::FloatRect bounds;
    sf::IntRect textureRect;
};
