#include "BuildingPainter.hpp"

#include <cmath>

#include "Angles.hpp"
#include "Noise.hpp"

namespace assetgen {

namespace {

// Light from the upper left, the same for every building.
Paint litFromTopLeft(Colour colour, float spread) {
    return [colour, spread](sf::Vector2f p) { return shade(colour, 1.f - (p.x + p.y) * spread); };
}

std::vector<sf::Vector2f> regularPolygon(int corners, float radius, float turnDegrees) {
    std::vector<sf::Vector2f> points;
    for (int i = 0; i < corners; ++i) {
        const float angle = radians(turnDegrees + 360.f * static_cast<float>(i) / corners);
        points.push_back({std::cos(angle) * radius, std::sin(angle) * radius});
    }
    return points;
}

// Planks get streaks along their length from a per-plank seed.
Paint woodGrain(Colour colour, float degrees, std::uint32_t seed) {
    const float angle = radians(degrees);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float phase = Noise(seed).between(0.f, 6.f);
    return [=](sf::Vector2f p) {
        const float across = -p.x * s + p.y * c;
        const float along = p.x * c + p.y * s;
        const float streak = std::sin(across * 5.1f + phase + std::sin(along * 0.7f) * 0.8f);
        return shade(colour, 1.f + 0.09f * streak - (p.x + p.y) * 0.012f);
    };
}

sf::Image paintCentred(unsigned size, void (*draw)(Canvas&), float scale = 1.f) {
    Canvas canvas = Canvas::centred(size, scale);
    draw(canvas);
    return canvas.toImage();
}

}  // namespace

void BuildingPainter::drawTurret(Canvas& canvas) {
    const Colour outline = rgb(16, 20, 28);
    canvas.fill(circle({0.6f, 0.8f}, 8.6f), rgb(0, 0, 0, 90), 2.f);

    const Shape base = polygon(regularPolygon(8, 8.4f, 22.5f));
    canvas.fill(grow(base, 0.7f), outline);
    canvas.fill(base, litFromTopLeft(rgb(78, 84, 94), 0.02f));
    for (const sf::Vector2f& bolt : regularPolygon(4, 6.4f, 45.f)) {
        canvas.fill(circle(bolt, 0.75f), rgb(40, 44, 52));
    }

    const Shape barrel = box({5.2f, 0.f}, {5.3f, 1.6f});
    const Shape muzzle = box({9.6f, 0.f}, {1.0f, 2.1f}, 0.3f);
    canvas.fill(grow(unite(barrel, muzzle), 0.7f), outline);
    canvas.fill(barrel, [](sf::Vector2f p) {
        // Rounded steel: bright along the top of the tube, dark underneath.
        return shade(rgb(70, 76, 86), 1.25f - std::abs(p.y + 0.5f) * 0.3f);
    });
    canvas.fill(muzzle, rgb(46, 50, 58));

    const Shape head = circle({-0.6f, 0.f}, 5.4f);
    canvas.fill(grow(head, 0.7f), outline);
    canvas.fill(head, [](sf::Vector2f p) {
        const float glint =
            std::exp(-((p.x + 2.4f) * (p.x + 2.4f) + (p.y + 2.4f) * (p.y + 2.4f)) / 6.f);
        return mix(shade(rgb(64, 116, 172), 1.f - (p.x + p.y) * 0.03f), rgb(190, 220, 250),
                   glint * 0.6f);
    });
    canvas.fill(edgeOf(circle({-0.6f, 0.f}, 3.4f), 0.6f), rgb(40, 74, 112, 160));
}

void BuildingPainter::drawBarricade(Canvas& canvas) {
    const Colour outline = rgb(40, 26, 14);
    const Colour wood = rgb(156, 116, 70);
    canvas.fill(box({0.5f, 0.6f}, {8.4f, 8.4f}, 1.5f), rgb(0, 0, 0, 90), 2.f);

    const Shape first = box({0.f, 0.f}, {9.6f, 1.9f}, 0.6f, 45.f);
    const Shape second = box({0.f, 0.f}, {9.6f, 1.9f}, 0.6f, -45.f);
    const Shape frame = subtract(box({0.f, 0.f}, {8.6f, 8.6f}, 1.f), box({0.f, 0.f}, {6.0f, 6.0f}));
    canvas.fill(grow(unite(frame, first), 0.7f), outline);
    canvas.fill(first, woodGrain(shade(wood, 0.92f), 45.f, 0x5eed0020u));
    canvas.fill(grow(second, 0.7f), outline);
    canvas.fill(second, woodGrain(wood, -45.f, 0x5eed0021u));

    // Four boards make the frame; their joins show as dark seams.
    canvas.fill(box({0.f, -7.3f}, {8.6f, 1.3f}, 0.4f), woodGrain(wood, 0.f, 0x5eed0022u));
    canvas.fill(box({0.f, 7.3f}, {8.6f, 1.3f}, 0.4f),
                woodGrain(shade(wood, 0.9f), 0.f, 0x5eed0023u));
    canvas.fill(box({-7.3f, 0.f}, {1.3f, 6.0f}, 0.4f),
                woodGrain(shade(wood, 1.05f), 90.f, 0x5eed0024u));
    canvas.fill(box({7.3f, 0.f}, {1.3f, 6.0f}, 0.4f),
                woodGrain(shade(wood, 0.85f), 90.f, 0x5eed0025u));
    canvas.fill(edgeOf(frame, 0.5f), outline);
    canvas.fill(edgeOf(box({0.f, 0.f}, {6.0f, 6.0f}), 0.5f), outline);
    for (const sf::Vector2f& nail : regularPolygon(4, 10.3f, 45.f)) {
        canvas.fill(circle(nail * 0.71f, 0.6f), rgb(60, 60, 64));
    }
    canvas.fill(circle({0.f, 0.f}, 0.8f), rgb(60, 60, 64));
}

void BuildingPainter::drawMine(Canvas& canvas) {
    const Colour outline = rgb(20, 26, 12);
    canvas.fill(circle({0.5f, 0.7f}, 7.4f), rgb(0, 0, 0, 90), 2.f);

    const Shape disc = circle({0.f, 0.f}, 7.2f);
    canvas.fill(grow(disc, 0.7f), outline);
    canvas.fill(disc, litFromTopLeft(rgb(96, 120, 62), 0.025f));
    canvas.fill(edgeOf(circle({0.f, 0.f}, 5.0f), 0.7f), rgb(58, 74, 36));
    for (const sf::Vector2f& stud : regularPolygon(6, 6.1f, 0.f)) {
        canvas.fill(circle(stud, 0.6f), rgb(170, 176, 150));
    }

    const Shape plate = circle({0.f, 0.f}, 3.4f);
    canvas.fill(grow(plate, 0.5f), outline);
    canvas.fill(plate, litFromTopLeft(rgb(150, 156, 160), 0.06f));
    canvas.fill(circle({0.f, 0.f}, 2.6f), rgb(255, 40, 30, 110), 1.5f);
    canvas.fill(circle({0.f, 0.f}, 1.2f), rgb(255, 60, 40));
    canvas.fill(circle({-0.35f, -0.35f}, 0.45f), rgb(255, 200, 190));
}

sf::Image BuildingPainter::turret() {
    return paintCentred(kTurretSize, drawTurret);
}

// A touch smaller than drawn, so the square frame's corners stay clear of the picture's edge.
sf::Image BuildingPainter::barricade() {
    return paintCentred(kBarricadeSize, drawBarricade, 0.95f);
}

sf::Image BuildingPainter::mine() {
    return paintCentred(kMineSize, drawMine);
}

}  // namespace assetgen
