#include "Shapes.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Angles.hpp"

namespace assetgen {

namespace {

float length(sf::Vector2f v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

float dot(sf::Vector2f a, sf::Vector2f b) {
    return a.x * b.x + a.y * b.y;
}

}  // namespace

Shape circle(sf::Vector2f centre, float radius) {
    return [=](sf::Vector2f p) { return length(p - centre) - radius; };
}

Shape ellipse(sf::Vector2f centre, sf::Vector2f radii) {
    return [=](sf::Vector2f p) {
        const sf::Vector2f q{(p.x - centre.x) / radii.x, (p.y - centre.y) / radii.y};
        return (length(q) - 1.f) * std::min(radii.x, radii.y);
    };
}

Shape box(sf::Vector2f centre, sf::Vector2f halfSize, float cornerRadius, float degrees) {
    const float angle = radians(degrees);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return [=](sf::Vector2f p) {
        const sf::Vector2f d = p - centre;
        // Turn the point back into the box's own frame.
        const sf::Vector2f local{d.x * c + d.y * s, -d.x * s + d.y * c};
        const sf::Vector2f q{std::abs(local.x) - halfSize.x + cornerRadius,
                             std::abs(local.y) - halfSize.y + cornerRadius};
        const sf::Vector2f outside{std::max(q.x, 0.f), std::max(q.y, 0.f)};
        return length(outside) + std::min(std::max(q.x, q.y), 0.f) - cornerRadius;
    };
}

Shape capsule(sf::Vector2f from, sf::Vector2f to, float radius) {
    const sf::Vector2f along = to - from;
    const float lengthSquared = std::max(dot(along, along), 1e-12f);
    return [=](sf::Vector2f p) {
        const float t = std::clamp(dot(p - from, along) / lengthSquared, 0.f, 1.f);
        return length(p - (from + along * t)) - radius;
    };
}

Shape polygon(std::vector<sf::Vector2f> corners) {
    return [corners = std::move(corners)](sf::Vector2f p) {
        float nearest = 1e30f;
        bool inside = false;
        const std::size_t count = corners.size();
        for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
            const sf::Vector2f a = corners[j];
            const sf::Vector2f b = corners[i];
            const sf::Vector2f edge = b - a;
            const float t =
                std::clamp(dot(p - a, edge) / std::max(dot(edge, edge), 1e-12f), 0.f, 1.f);
            nearest = std::min(nearest, length(p - (a + edge * t)));
            // Even-odd crossing count along a ray to the right of p.
            if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) / (b.y - a.y) * edge.x) {
                inside = !inside;
            }
        }
        return inside ? -nearest : nearest;
    };
}

Shape unite(Shape first, Shape second) {
    return [first = std::move(first), second = std::move(second)](sf::Vector2f p) {
        return std::min(first(p), second(p));
    };
}

Shape intersect(Shape first, Shape second) {
    return [first = std::move(first), second = std::move(second)](sf::Vector2f p) {
        return std::max(first(p), second(p));
    };
}

Shape subtract(Shape shape, Shape hole) {
    return [shape = std::move(shape), hole = std::move(hole)](sf::Vector2f p) {
        return std::max(shape(p), -hole(p));
    };
}

Shape grow(Shape shape, float amount) {
    return [shape = std::move(shape), amount](sf::Vector2f p) { return shape(p) - amount; };
}

Shape edgeOf(Shape shape, float width) {
    return [shape = std::move(shape), width](sf::Vector2f p) {
        return std::abs(shape(p)) - width / 2.f;
    };
}

}  // namespace assetgen
