#pragma once

#include <SFML/Graphics/Image.hpp>

#include "Canvas.hpp"

namespace assetgen {

// Paints the player's three buildings. The draw functions paint around the canvas frame's origin
// in sprite pixels, so the build menu can show the same drawings enlarged.
class BuildingPainter {
public:
    static constexpr unsigned kTurretSize = 22;
    static constexpr unsigned kBarricadeSize = 20;
    static constexpr unsigned kMineSize = 18;

    // A steel-blue gun head on an octagonal base plate, its barrel pointing right.
    static void drawTurret(Canvas& canvas);

    // A wooden crate frame braced with two crossed planks.
    static void drawBarricade(Canvas& canvas);

    // A flat olive disc with a steel pressure plate and a red arming light.
    static void drawMine(Canvas& canvas);

    static sf::Image turret();
    static sf::Image barricade();
    static sf::Image mine();
};

}  // namespace assetgen
