#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// Paints the two map tiles. Both repeat seamlessly because every pattern in them has a period
// that divides the tile's edge.
class TilePainter {
public:
    static constexpr unsigned kTileSize = 30;

    // Dark street paving with faint slab joints that let the player read the building grid.
    static sf::Image floor();

    // Red-brown brickwork with light mortar, each brick lit along its top edge.
    static sf::Image block();
};

}  // namespace assetgen
