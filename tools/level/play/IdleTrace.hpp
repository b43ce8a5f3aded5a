#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/OpeningPlayer.hpp"
#include "play/SeedRun.hpp"

class TileMap;

// A game with nobody building, and the cells on which a mine or a barricade would have made
// no difference to it. Neither draws on the random engine when it is built, and each acts only
// once a zombie comes near: a mine at 20 px, a barricade at the 100 px of a zombie's notice.
// An opening with one of them on a cell no zombie came near is the same game move for move,
// and needs no playing.
struct IdleTrace {
    SeedRun run;
    std::vector<bool> nearMine;  // per cell, row by row
    std::vector<bool> nearBarricade;

    // Plays the seed with nobody building, within the limits.
    static IdleTrace play(const TileMap& level, std::uint32_t seed, SeedRun::Limits limits);
    // Whether the opening's game is this one.
    bool leavesAlone(const Opening& opening, std::uint32_t side) const;

    std::string serialize() const;
    static IdleTrace parse(const std::string& text);
};
