#include "world/TileMap.hpp"

#include <fstream>

#include "entities/ObjectCode.hpp"

void TileMap::reset(std::uint32_t newSize) {
    cells.assign(static_cast<std::size_t>(newSize) * newSize, Floor);
    size = newSize;
    for (std::uint32_t i = 0; i < size; ++i) {
        cells[i] = Block;                      // (i, 0)
        cells[(size - 1) * size + i] = Block;  // (i, size - 1)
        cells[i * size] = Block;               // (0, i)
        cells[i * size + (size - 1)] = Block;  // (size - 1, i)
    }
}

void TileMap::load(const std::string& path) {
    // A file that cannot be opened reads like an empty one: no size, so the grid keeps its own.
    std::ifstream file(path);
    read(file);
}

void TileMap::read(std::istream& input) {
    // Read wider than the grid's type, so that a negative or huge side length is seen as such
    // instead of wrapping round into some other size.
    std::int64_t requested = 0;
    if (!(input >> requested) || requested < 0 || requested > kMaxSize) {
        reset(size);
        return;
    }
    reset(static_cast<std::uint32_t>(requested));
    std::int32_t code = 0;
    for (std::size_t i = 0; i < cells.size() && input >> code; ++i) {
        cells[i] = code;
    }
}

sf::Vector2f TileMap::cellCentre(std::uint32_t column, std::uint32_t row) const {
    const float tile = static_cast<float>(kTileSize);
    return {(static_cast<float>(column) + 0.5f) * tile, (static_cast<float>(row) + 0.5f) * tile};
}
