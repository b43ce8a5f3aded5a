#pragma once

#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// Paints the small bright things that fly about: the bullet and the particle dot.
class EffectPainter {
public:
    static constexpr unsigned kProjectileSize = 12;
    static constexpr unsigned kParticleSize = 16;

    // A white-hot slug in an orange glow, long along its flight (to the right).
    static sf::Image projectile();

    // Pure white with a smooth radial fade, so the game's tint alone gives it its colour.
    static sf::Image particle();
};

}  // namespace assetgen
