#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/OpeningPlayer.hpp"
#include "play/SeedRun.hpp"

class TileMap;

// A game with nobody building, and the cells on which a mine, a barricade or a turret would
// have made no difference to it. Each acts only once a zombie comes near: a mine at 20 px, a
// barricade at the 100 px of a zombie's notice, a turret at its 150 px range. A mine or a
// barricade draws nothing from the random engine; a turret draws its heading, which it only
// keeps until it first aims, and with nothing built after it no later draw is left to change.
// An opening with one of them on a cell no zombie came near is the same game move for move,
// and needs no playing.
struct IdleTrace {
    SeedRun run;
    std::vector<bool> nearMine;  // per cell, row by row
    std::vector<bool> nearBarricade;
    std::vector<bool> nearTurret;

    // Plays the seed with nobody building, within the limits.
    static IdleTrace play(const TileMap& level, std::uint32_t seed, SeedRun::Limits limits);
    // Whether the opening's game is this one.
    bool leavesAlone(const Opening& opening, std::uint32_t side) const;

    std::string serialize() const;
    static IdleTrace parse(const std::string& text);
};
