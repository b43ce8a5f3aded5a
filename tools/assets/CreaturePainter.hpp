#pragma once

#include <SFML/Graphics/Image.hpp>

#include "Canvas.hpp"

namespace assetgen {

// Paints the two creatures seen from above, facing right (the heading of rotation 0). They differ
// in outline as well as colour, so they stay apart for colour-blind players and in a crowd.
class CreaturePainter {
public:
    static constexpr unsigned kHumanSize = 18;
    static constexpr unsigned kZombieSize = 20;

    // Round and compact: blue shoulders, a skin-tone head with dark hair at the back.
    static sf::Image human();

    // Green skin, torn clothes with a ragged outline, both arms stretched forward, red eyes.
    static sf::Image zombie();
    // The same zombie painted around the canvas frame's origin in sprite pixels, so that the
    // game's icon can show it at any size.
    static void drawZombie(Canvas& canvas);
};

}  // namespace assetgen
