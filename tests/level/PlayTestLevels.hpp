#pragma once

#include <string>

#include "levelformat/LevelCheck.hpp"

// Small levels whose right first move is known, shared by the players' and the search's tests.
namespace playtest {

inline TileMap levelOf(const std::string& text) {
    return *LevelCheck::checkText(text).map;
}

// One zombie at the end of a corridor, one human at the other: a mine in its way wins.
const char* const kCorridor =
    "9\n1 1 1 1 1 1 1 1 1\n1 2 0 0 0 0 0 3 1\n1 1 1 1 1 1 1 1 1\n1 1 1 1 1 1 1 1 1\n"
    "1 1 1 1 1 1 1 1 1\n1 1 1 1 1 1 1 1 1\n1 1 1 1 1 1 1 1 1\n1 1 1 1 1 1 1 1 1\n"
    "1 1 1 1 1 1 1 1 1\n";

// A zombie in a pen whose gap opens on a wide room, twelve humans in its far corner: there is
// time to save for a turret and set it where the zombie comes out.
const char* const kYard =
    "12\n"
    "1 1 1 1 1 1 1 1 1 1 1 1\n1 2 0 1 0 0 0 0 0 0 0 1\n1 0 0 1 0 0 0 0 0 0 0 1\n"
    "1 1 0 1 0 0 0 0 0 0 0 1\n1 0 0 0 0 0 0 0 0 0 0 1\n1 0 0 0 0 0 0 0 0 0 0 1\n"
    "1 0 0 0 0 0 0 0 0 0 0 1\n1 0 0 0 0 0 0 0 3 3 3 1\n1 0 0 0 0 0 0 0 3 3 3 1\n"
    "1 0 0 0 0 0 0 0 3 3 3 1\n1 0 0 0 0 0 0 0 3 3 3 1\n1 1 1 1 1 1 1 1 1 1 1 1\n";

// A zombie in the middle of eight humans: only a mine under it at once saves them.
const char* const kCrowd = "5\n1 1 1 1 1\n1 3 3 3 1\n1 3 2 3 1\n1 3 3 3 1\n1 1 1 1 1\n";

// Four zombies in the open, nine humans in a corner some twenty seconds' walk away, and, walled
// off from everything, a zombie beside a human in two pockets: the zombie nearest to a human is
// one that can never reach it, and a player who only looks at that one misses the real danger.
const char* const kDecoy =
    "16\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "1 1 2 1 3 1 1 1 1 1 1 1 1 1 1 1\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n1 0 0 0 0 0 0 0 0 0 2 0 2 0 2 1\n"
    "1 0 0 0 0 0 0 0 0 0 0 0 0 2 0 1\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n"
    "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n"
    "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1\n"
    "1 3 0 3 0 3 0 0 0 0 0 0 0 0 0 1\n1 3 0 3 0 3 0 0 0 0 0 0 0 0 0 1\n"
    "1 3 0 3 0 3 0 0 0 0 0 0 0 0 0 1\n1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n";

}  // namespace playtest
