#include "EffectPainter.hpp"

#include <algorithm>
#include <cmath>

#include "Canvas.hpp"

namespace assetgen {

sf::Image EffectPainter::projectile() {
    Canvas canvas = Canvas::centred(kProjectileSize);
    canvas.fill(ellipse({0.f, 0.f}, {4.2f, 2.2f}), rgb(255, 150, 40, 150), 2.5f);
    canvas.fill(capsule({-2.8f, 0.f}, {2.6f, 0.f}, 1.5f), rgb(255, 214, 90));
    canvas.fill(capsule({-1.2f, 0.f}, {2.8f, 0.f}, 0.9f), rgb(255, 255, 230));
    return canvas.toImage();
}

sf::Image EffectPainter::particle() {
    sf::Image image;
    image.create(kParticleSize, kParticleSize, sf::Color(255, 255, 255, 0));
    const float centre = kParticleSize / 2.f;
    const float radius = centre - 0.5f;
    for (unsigned y = 0; y < kParticleSize; ++y) {
        for (unsigned x = 0; x < kParticleSize; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - centre;
            const float dy = static_cast<float>(y) + 0.5f - centre;
            const float t = std::clamp(1.f - (dx * dx + dy * dy) / (radius * radius), 0.f, 1.f);
            // Squared, so the dot has a bright core and no visible rim.
            image.setPixel(
                x, y, sf::Color(255, 255, 255, static_cast<sf::Uint8>(std::lround(t * t * 255.f))));
        }
    }
    return image;
}

}  // namespace assetgen
