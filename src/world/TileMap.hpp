#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"

// The square grid of floor and wall cells, with the level file's grammar.
class TileMap {
public:
    // Larger levels are refused like an unreadable file. The window shows 34 columns, and a
    // grid of 512 x 512 already takes 1 MB, copied into each of the up to 33 real snapshots.
    static constexpr std::int64_t kMaxSize = 512;

    // Makes a size x size grid of floor walled in by a ring of blocks.
    void reset(std::uint32_t newSize);
    // Reads a level file; a file that cannot be opened leaves the grid as reset(size) makes it.
    void load(const std::string& path);
    // A side length followed by up to size x size cell codes, separated by any white space.
    void read(std::istream& input);

    // Cells outside the grid, on any side, read as walls, so nothing ever walks off into unread
    // memory. Indices are signed because a creature's neighbours may lie left of or above it.
    // Kept inline: every moving entity looks at four cells a step.
    std::int32_t at(std::int64_t column, std::int64_t row) const {
        if (column < 0 || row < 0 || column >= size || row >= size) {
            return Block;
        }
        return cells[static_cast<std::size_t>(row) * size + static_cast<std::size_t>(column)];
    }
    sf::FloatRect cellRect(std::int64_t column, std::int64_t row) const {
        const float tile = static_cast<float>(kTileSize);
        return {static_cast<float>(column) * tile, static_cast<float>(row) * tile, tile, tile};
    }
    sf::Vector2f cellCentre(std::uint32_t column, std::uint32_t row) const;

    std::vector<std::int32_t> cells;  // row-major: (column, row) is cells[row * size + column]
    std::uint32_t size = 0;
};
