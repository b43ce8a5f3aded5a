#include "CreaturePainter.hpp"

#include <cmath>

#include "Angles.hpp"
#include "Canvas.hpp"
#include "Noise.hpp"

namespace assetgen {

namespace {

// A soft shadow under the body lifts the creature off the dark street.
void dropShadow(Canvas& canvas) {
    canvas.fill(ellipse({-0.3f, 0.6f}, {4.6f, 7.4f}), rgb(0, 0, 0, 90), 2.f);
}

// Lighter towards the front (right), where the light catches the shoulders.
Paint frontLit(Colour colour, float spread) {
    return [colour, spread](sf::Vector2f p) { return shade(colour, 1.f + p.x * spread); };
}

// A rough oval: the radius wanders from corner to corner, which reads as torn cloth.
Shape raggedOval(Noise& noise, sf::Vector2f radii, int corners, float tear) {
    std::vector<sf::Vector2f> points;
    for (int i = 0; i < corners; ++i) {
        const float angle = kTwoPi * static_cast<float>(i) / static_cast<float>(corners);
        const float stretch = (i % 2 == 0) ? 1.f : 1.f - tear * noise.between(0.3f, 1.f);
        points.push_back(
            {std::cos(angle) * radii.x * stretch, std::sin(angle) * radii.y * stretch});
    }
    return polygon(points);
}

}  // namespace

sf::Image CreaturePainter::human() {
    Canvas canvas = Canvas::centred(kHumanSize);
    dropShadow(canvas);

    const Shape shoulders = ellipse({-0.6f, 0.f}, {4.5f, 7.4f});
    canvas.fill(grow(shoulders, 0.8f), rgb(18, 28, 60));
    canvas.fill(shoulders, frontLit(rgb(52, 98, 205), 0.06f));

    // Hands just ahead of the shoulders, as when walking.
    for (const float side : {-1.f, 1.f}) {
        const Shape hand = circle({2.4f, side * 5.6f}, 1.35f);
        canvas.fill(grow(hand, 0.6f), rgb(60, 40, 30));
        canvas.fill(hand, rgb(236, 192, 152));
    }

    const Shape head = circle({0.4f, 0.f}, 3.6f);
    canvas.fill(grow(head, 0.7f), rgb(60, 40, 30));
    canvas.fill(head, frontLit(rgb(236, 192, 152), 0.05f));
    // Hair covers the back of the head, so the facing shows even at a glance.
    canvas.fill(intersect(head, circle({-2.6f, 0.f}, 3.4f)), rgb(74, 48, 30));
    return canvas.toImage();
}

sf::Image CreaturePainter::zombie() {
    Canvas canvas = Canvas::centred(kZombieSize);
    drawZombie(canvas);
    return canvas.toImage();
}

void CreaturePainter::drawZombie(Canvas& canvas) {
    Noise noise(0x5eed0010u);
    dropShadow(canvas);

    const Colour skin = rgb(122, 170, 88);
    const Colour darkSkin = rgb(36, 60, 28);
    // Arms reach straight ahead: the outline that tells a zombie from a human at once.
    for (const float side : {-1.f, 1.f}) {
        const Shape arm = capsule({-0.5f, side * 5.2f}, {7.6f, side * 3.6f}, 1.35f);
        canvas.fill(grow(arm, 0.6f), darkSkin);
        canvas.fill(arm, frontLit(skin, 0.04f));
        const Shape hand = circle({8.1f, side * 3.5f}, 1.6f);
        canvas.fill(grow(hand, 0.6f), darkSkin);
        canvas.fill(hand, rgb(140, 184, 100));
    }

    const Shape rags = raggedOval(noise, {4.8f, 7.6f}, 22, 0.32f);
    canvas.fill(grow(rags, 0.7f), rgb(30, 28, 20));
    canvas.fill(rags, frontLit(rgb(104, 96, 70), 0.05f));
    // Old blood on the torn shirt.
    for (int i = 0; i < 3; ++i) {
        const sf::Vector2f at{noise.between(-3.5f, 1.5f), noise.between(-5.5f, 5.5f)};
        canvas.fill(intersect(circle(at, noise.between(0.9f, 1.5f)), rags), rgb(110, 24, 20));
    }

    const Shape head = circle({0.6f, 0.3f}, 3.5f);
    canvas.fill(grow(head, 0.7f), darkSkin);
    canvas.fill(head, frontLit(skin, 0.06f));
    canvas.fill(intersect(head, circle({-1.6f, -1.2f}, 1.8f)), rgb(86, 120, 60));
    for (const float side : {-1.f, 1.f}) {
        canvas.fill(circle({2.9f, 0.3f + side * 1.3f}, 0.7f), rgb(255, 40, 30));
    }
}

}  // namespace assetgen
