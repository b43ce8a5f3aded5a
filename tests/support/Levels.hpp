#pragma once

#include <sstream>
#include <string>

#include "world/TileMap.hpp"

namespace levels {

// A grid read from level text, as the game reads its level file.
inline TileMap read(const std::string& text) {
    std::istringstream input(text);
    TileMap tileMap;
    tileMap.read(input);
    return tileMap;
}

// An empty walled arena: 30 x 30 cells, 900 x 900 pixels, nothing inside.
inline TileMap arena() {
    return read("30");
}

// Level text of a square grid walled in by a ring of blocks, each inner cell's code given by
// code(row, column).
template <typename CellCode>
std::string walledText(int size, CellCode code) {
    std::ostringstream text;
    text << size << '\n';
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const bool ring = row == 0 || column == 0 || row == size - 1 || column == size - 1;
            text << (ring ? 1 : code(row, column)) << (column + 1 < size ? ' ' : '\n');
        }
    }
    return text.str();
}

// A crowded level for load tests: 22 x 22 with a ring of walls and every inner cell taken,
// a dozen turrets and a dozen barricades spread among creatures, half of them zombies.
inline std::string denseStressText() {
    constexpr int kSize = 22;
    return walledText(kSize, [](int row, int column) {
        // 400 inner cells: every 34th a turret, the one after it a barricade, and the
        // creatures in between alternate zombie and human.
        const int inner = (row - 1) * (kSize - 2) + column - 1;
        return inner % 34 == 0 ? 4 : inner % 34 == 1 ? 5 : 2 + inner % 2;
    });
}

// Every inner cell a creature, zombies and humans alternating like the squares of a chess
// board: the step's cost at a given crowd, whatever the side.
inline std::string checkerboardText(int size) {
    return walledText(size, [](int row, int column) { return (row + column) % 2 == 0 ? 2 : 3; });
}

// A town held by buildings: eighteen turrets and eighteen mines on a regular grid, a few
// barricades, and streets crowded with zombies and humans, so that turrets, shots and mines
// stay busy for most of a long game.
inline std::string fortifiedText() {
    return walledText(22, [](int row, int column) {
        const bool onGrid = row % 3 == 0 && column % 3 == 0;
        if (onGrid) {
            // Turrets where row and column agree on the sixes, mines where they differ.
            return row % 6 == column % 6 ? 4 : 6;
        }
        if (row % 6 == 1 && column % 6 == 5) {
            return 5;
        }
        return (row + column) % 3 == 0 ? 2 : (row + 2 * column) % 4 == 1 ? 3 : 0;
    });
}

// The default town as it stood when the simulation's fingerprints were taken; a copy, so that
// redrawing the shipped level does not move them.
inline std::string townText() {
    return R"(22
1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
1 2 0 2 1 0 0 0 0 0 3 0 0 0 0 0 0 3 0 0 0 1
1 0 0 0 1 0 0 3 0 0 0 0 0 0 3 0 0 0 0 3 0 1
1 0 2 0 1 0 0 1 1 1 0 0 1 1 1 1 0 0 0 0 0 1
1 1 0 1 1 0 0 1 1 1 0 3 1 1 1 1 0 0 3 0 0 1
1 0 0 0 0 0 0 1 1 1 0 0 1 1 1 1 0 0 0 0 3 1
1 0 0 1 1 1 0 0 0 0 0 0 0 3 0 0 0 0 0 0 0 1
1 0 0 1 1 1 0 0 3 0 0 3 0 0 0 0 0 3 0 0 0 1
1 0 0 1 1 1 0 0 3 0 0 5 0 0 3 0 0 0 0 0 0 1
1 3 0 1 1 1 0 0 0 0 0 0 0 0 0 0 0 1 1 1 0 1
1 0 0 0 0 0 0 3 1 1 4 0 1 1 0 3 1 1 1 3 0 1
1 0 3 1 1 1 0 0 1 0 0 0 0 1 0 0 1 1 1 3 0 1
1 0 0 1 1 1 3 0 1 0 3 0 0 1 0 0 1 1 1 0 0 1
1 0 0 1 1 1 0 3 1 1 0 0 1 1 0 3 0 0 0 0 0 1
1 0 0 3 0 0 0 0 0 3 0 0 0 0 0 0 0 3 0 6 0 1
1 0 0 1 1 1 1 0 0 1 1 1 1 1 0 0 1 1 1 0 0 1
1 3 0 1 1 1 1 0 3 1 1 1 1 1 0 0 1 1 1 3 0 1
1 0 0 1 1 1 1 6 0 0 3 0 0 0 3 0 1 1 1 3 0 1
1 3 0 1 1 1 1 0 0 1 1 1 1 1 3 0 1 1 1 0 0 1
1 0 3 0 0 0 0 3 0 0 0 0 0 6 0 3 0 0 0 3 0 1
1 0 0 0 3 0 3 0 0 0 3 0 0 0 0 0 3 0 6 0 0 1
1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1
)";
}

}  // namespace levels
