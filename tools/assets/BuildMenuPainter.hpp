#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// Paints the build menu's picture sheet: turret, barricade and mine panels stacked from the top.
class BuildMenuPainter {
public:
    static constexpr unsigned kPanelWidth = 70;
    static constexpr unsigned kPanelHeight = 50;
    static constexpr unsigned kPanelCount = 3;

    // Opaque panels framed in each building's menu colour, the building shown twice its size.
    static sf::Image sheet();
};

}  // namespace assetgen
