#include "IconPainter.hpp"

#include <algorithm>

#include "Canvas.hpp"
#include "CreaturePainter.hpp"

namespace assetgen {

namespace {

// The icon is laid out on a 32-unit square whatever its size in pixels.
constexpr float kUnits = 32.f;
// The zombie's solid outline spans about 16 by 17 sprite pixels, its middle 2.4 pixels ahead of
// its centre because the arms reach forward.
constexpr float kZombieSpan = 17.f;
constexpr float kZombieMiddle = 2.4f;

void paintTile(Canvas& canvas) {
    const Shape tile = box({kUnits / 2.f, kUnits / 2.f}, {15.f, 15.f}, 5.f);
    // The red rim: the outbreak closing in from every side.
    canvas.fill(tile, [](sf::Vector2f p) {
        const float dx = (p.x - kUnits / 2.f) / 16.f;
        const float dy = (p.y - kUnits / 2.f) / 16.f;
        return mix(rgb(54, 58, 64), rgb(120, 30, 26), std::min(1.f, dx * dx + dy * dy));
    });
    canvas.fill(edgeOf(tile, 0.8f), rgb(20, 20, 24));
}

}  // namespace

sf::Image IconPainter::icon(unsigned size) {
    const float pixelsPerUnit = static_cast<float>(size) / kUnits;
    Canvas canvas(size, size);
    canvas.setFrame({0.f, 0.f}, pixelsPerUnit);
    paintTile(canvas);
    // The zombie fills most of the tile, so it still reads at 16 pixels.
    const float zombieScale = pixelsPerUnit * 24.f / kZombieSpan;
    canvas.setFrame({static_cast<float>(size) / 2.f - kZombieMiddle * zombieScale,
                     static_cast<float>(size) / 2.f},
                    zombieScale);
    CreaturePainter::drawZombie(canvas);
    return canvas.toImage();
}

}  // namespace assetgen
