#pragma once

#include <SFML/System/Vector2.hpp>
#include <functional>
#include <vector>

namespace assetgen {

// A shape is its signed distance field: negative inside, positive outside, in the painter's own
// units. Distances rather than hit tests give every edge its anti-aliasing for free.
using Shape = std::function<float(sf::Vector2f)>;

Shape circle(sf::Vector2f centre, float radius);

// Close to a true distance near the outline, which is all that edge smoothing needs.
Shape ellipse(sf::Vector2f centre, sf::Vector2f radii);

// A rectangle with rounded corners, turned by `degrees` about its centre.
Shape box(sf::Vector2f centre, sf::Vector2f halfSize, float cornerRadius = 0.f,
          float degrees = 0.f);

// A stroke from a to b with round ends.
Shape capsule(sf::Vector2f from, sf::Vector2f to, float radius);

// Any simple polygon, convex or not, given by its corners in order.
Shape polygon(std::vector<sf::Vector2f> corners);

Shape unite(Shape first, Shape second);
Shape intersect(Shape first, Shape second);
Shape subtract(Shape shape, Shape hole);

// Grows (positive) or shrinks (negative) a shape; a grown copy drawn first makes an outline.
Shape grow(Shape shape, float amount);

// A ring of the given width centred on the shape's edge.
Shape edgeOf(Shape shape, float width);

}  // namespace assetgen
