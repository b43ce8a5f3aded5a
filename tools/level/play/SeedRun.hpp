#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Player;
class TileMap;

// The town at one time point of a simulated game.
struct TimePointCount {
    std::int32_t zombies = 0;
    std::int32_t humans = 0;
    float zombieShare = 0.f;  // as the timeline bar and the game-over rule see it
};

// One game played from one seed by one player.
struct SeedRun {
    // What a game is played for: its length; whether it stops once its last zombie has
    // fallen, when nothing can change any more; and whether it stops as soon as it cannot
    // hold, for searches that only ask whether it holds.
    struct Limits {
        int timePoints = 0;
        bool stopOnceSettled = true;
        bool stopOnceFallen = false;
    };

    std::uint32_t seed = 0;
    std::vector<TimePointCount> timePoints;  // time point 1 first
    std::int32_t humansAtStart = 0;
    std::int32_t humansLeft = 0;                  // when the game stopped
    std::optional<std::uint32_t> lastHumanStep;   // the step in which the last human turned
    std::optional<std::uint32_t> lastZombieStep;  // the step in which the last zombie fell
    bool lost = false;                            // at the last time point held in timePoints
    bool stoppedFallen = false;                   // given up below the held share
    std::uint32_t goldSpent = 0;
    std::uint32_t steps = 0;  // the game's clock when it stopped
    // Clicks on the timeline that moved the game's clock back, and forward.
    std::uint32_t jumpsBack = 0;
    std::uint32_t jumpsForward = 0;

    // At least nine humans in ten are left and the game goes on.
    bool held() const;

    // Starts the game's random engine from the seed, builds the World and plays until the game
    // is lost or its clock has recorded the limit of time points, calling back once for each
    // time point of the limit, those it did not need to play included. A game whose
    // last zombie has fallen is settled: no human can turn, and no player acts any more, so its
    // remaining time points are filled in as playing on would record them. The figures are
    // those of the time the game finally took: a jump back takes its time points, and the turn
    // of a human it brings back, out of the run. The prices of the jumps keep a game finite.
    static SeedRun play(
        const TileMap& level, std::uint32_t seed, Limits limits, Player& player,
        const std::function<void()>& onTimePoint = [] {});
    // The same with nobody building.
    static SeedRun play(const TileMap& level, std::uint32_t seed, int timePointCount);

    // A plain text form that carries a run from the process that played it, exactly.
    std::string serialize() const;
    static SeedRun parse(const std::string& text);
};
