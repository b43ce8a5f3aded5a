#pragma once

#include <SFML/Graphics/Image.hpp>

// The picture at another size, each new pixel the average of the old ones it covers, weighted
// by how much of each it covers and by their opacity: small tiles keep their colours instead
// of a random pick of their pixels, and see-through edges do not darken.
sf::Image scaledImage(const sf::Image& source, sf::Vector2u size);
