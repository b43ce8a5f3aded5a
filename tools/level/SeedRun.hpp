#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TileMap;

// The town at one time point of an unattended game.
struct TimePointCount {
    std::int32_t zombies = 0;
    std::int32_t humans = 0;
    float zombieShare = 0.f;  // as the timeline bar and the game-over rule see it
};

// One game played from one seed with nobody clicking.
struct SeedRun {
    std::uint32_t seed = 0;
    std::vector<TimePointCount> timePoints;      // time point 1 first
    std::optional<std::uint32_t> lastHumanStep;  // the step in which the last human turned
    bool lost = false;                           // at the last time point held in timePoints

    // Starts the game's random engine from the seed, builds the World and plays until the game
    // is lost or the given number of time points has been recorded. Calls back at each one.
    static SeedRun play(
        const TileMap& level, std::uint32_t seed, int timePointCount,
        const std::function<void()>& onTimePoint = [] {});

    // A plain text form that carries a run from the process that played it, exactly.
    std::string serialize() const;
    static SeedRun parse(const std::string& text);
};
