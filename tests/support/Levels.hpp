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

// A crowded level for load tests: 22 x 22 with a ring of walls and every inner cell taken,
// a dozen turrets and a dozen barricades spread among creatures, half of them zombies.
inline std::string denseStressText() {
    constexpr int kSize = 22;
    std::ostringstream text;
    text << kSize << '\n';
    int inner = 0;
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            const bool ring = row == 0 || column == 0 || row == kSize - 1 || column == kSize - 1;
            int code = 1;
            if (!ring) {
                // 400 inner cells: every 34th a turret, the one after it a barricade, and the
                // creatures in between alternate zombie and human.
                code = inner % 34 == 0 ? 4 : inner % 34 == 1 ? 5 : 2 + inner % 2;
                ++inner;
            }
            text << code << (column + 1 < kSize ? ' ' : '\n');
        }
    }
    return text.str();
}

}  // namespace levels
