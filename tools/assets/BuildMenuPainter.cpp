#include "BuildMenuPainter.hpp"

#include <array>

#include "BuildingPainter.hpp"
#include "Canvas.hpp"

namespace assetgen {

namespace {

struct Panel {
    void (*draw)(Canvas&);
    Colour accent;  // the colour the menu writes this building's name and price in
};

void paintPanel(Canvas& canvas, float top, const Panel& panel) {
    const float width = BuildMenuPainter::kPanelWidth;
    const float height = BuildMenuPainter::kPanelHeight;
    canvas.setFrame({0.f, top}, 1.f);
    const Shape whole = box({width / 2.f, height / 2.f}, {width / 2.f, height / 2.f});
    canvas.fill(whole, [height](sf::Vector2f p) {
        return mix(rgb(46, 50, 60), rgb(26, 28, 34), p.y / height);
    });
    // A dim pool of the accent colour behind the building draws the eye to it.
    canvas.fill(circle({width / 2.f, height / 2.f}, 12.f), withAlpha(panel.accent, 0.35f), 20.f);
    const Shape frame =
        box({width / 2.f, height / 2.f}, {width / 2.f - 1.f, height / 2.f - 1.f}, 3.f);
    canvas.fill(edgeOf(frame, 1.6f), shade(panel.accent, 1.25f));
    canvas.setFrame({width / 2.f, top + height / 2.f}, 2.f);
    panel.draw(canvas);
}

}  // namespace

sf::Image BuildMenuPainter::sheet() {
    const std::array<Panel, kPanelCount> panels{{
        {BuildingPainter::drawTurret, rgb(60, 110, 160)},
        {BuildingPainter::drawBarricade, rgb(125, 100, 70)},
        {BuildingPainter::drawMine, rgb(100, 150, 50)},
    }};
    Canvas canvas(kPanelWidth, kPanelHeight * kPanelCount);
    for (unsigned i = 0; i < kPanelCount; ++i) {
        paintPanel(canvas, static_cast<float>(i * kPanelHeight), panels[i]);
    }
    return canvas.toImage();
}

}  // namespace assetgen
