#pragma once

#include <cstdint>
#include <vector>

#include "play/GameCounts.hpp"
#include "play/GamePool.hpp"
#include "play/OpeningPlayer.hpp"

class TileMap;

// How one first move fared over the seeds, with nothing built after it.
struct OpeningResult {
    Opening opening;
    int held = 0;                 // seeds with at least nine humans in ten left at the end
    std::uint64_t stepsHeld = 0;  // summed over the seeds: how long the humans held on
};

// Tries first moves on many seeds at once, each game stopped as soon as it cannot hold.
class OpeningSearch {
public:
    struct Settings {
        int seeds = GameCounts::kSeeds;
        int timePoints = 0;
        int jobs = 1;
        // Takes the game with nobody building for an opening that leaves it alone, instead
        // of playing it again (IdleTrace); the same results either way, many times faster.
        bool skipUnchanged = true;
    };

    // Each free street cell with a mine, a barricade and a turret.
    static std::vector<Opening> everyOpening(const TileMap& level);
    // The same on the cells within a turret's range of where the level's own zombies walk,
    // with nobody building, before the first human turns (within the first minute), on any of
    // the seeds: the moves that meet the outbreak where it starts.
    static std::vector<Opening> nearTheOutbreak(const TileMap& level, int seeds);

    // One result per opening, in their order; ticks the number of openings done so far.
    static std::vector<OpeningResult> tryAll(const TileMap& level,
                                             const std::vector<Opening>& openings,
                                             const Settings& settings,
                                             const GamePool::Progress& progress);

    // What the ladder asks of a level's openings: those near the outbreak tried on every seed,
    // in their order, for the searching player to rank, and how many of every opening hold every
    // seed, which needs no more of an opening than the games up to its first seed lost.
    struct Survey {
        std::vector<OpeningResult> nearTheOutbreak;
        int heldEverySeed = 0;
        int tried = 0;
    };
    static Survey survey(const TileMap& level, const Settings& settings);
    // Most seeds held, then the longest held on, then the first in the list.
    static std::vector<OpeningResult> ranked(std::vector<OpeningResult> results);

private:
    // tryAll, giving up each opening marked at its first seed lost.
    static std::vector<OpeningResult> tryEach(const TileMap& level,
                                              const std::vector<Opening>& openings,
                                              const std::vector<bool>& onlyWhetherHeld,
                                              const Settings& settings,
                                              const GamePool::Progress& progress);
};
