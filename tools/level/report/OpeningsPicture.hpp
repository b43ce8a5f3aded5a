#pragma once

#include <SFML/Graphics/Image.hpp>
#include <cstdint>
#include <vector>

#include "play/OpeningSearch.hpp"

// The openings map: a picture of the level with each cell tinted by how many seeds the best
// first move on it holds, from red for none to green for all, and a legend of those colours
// below, numbered by seeds held.
sf::Image paintOpenings(const sf::Image& level, std::uint32_t side,
                        const std::vector<OpeningResult>& results, int seeds);
