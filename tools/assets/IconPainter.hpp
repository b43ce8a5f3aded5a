#pragma once

#include <SFML/Graphics/Image.hpp>
#include <array>

namespace assetgen {

// The game's icon for desktop menus: the game's own zombie reaching across a dark street tile
// lit red at the rim, painted afresh at each size so that small icons stay sharp.
class IconPainter {
public:
    // The sizes desktops ask the hicolor theme for most.
    static constexpr std::array<unsigned, 6> kSizes{16, 32, 48, 64, 128, 256};

    static sf::Image icon(unsigned size);
};

}  // namespace assetgen
