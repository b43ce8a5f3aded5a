#pragma once

#include <SFML/Graphics/Image.hpp>
#include <vector>

#include "PictureSet.hpp"

namespace assetgen {

// The level editor's tileset: one 30-pixel tile per cell code of a level file, from code 0 on
// the left to code 6 on the right, so that a tile's number in the set is its code. Creatures
// and buildings stand on the street, centred as the game centres them, facing right.
class TilesetSheet {
public:
    static constexpr unsigned kTileSize = 30;

    static sf::Image compose(const std::vector<Picture>& pictures);
};

}  // namespace assetgen
