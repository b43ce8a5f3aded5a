#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "entities/GameNumbers.hpp"
#include "play/PlanMove.hpp"

class HeadlessGame;

// Thinks ahead the way a person at the window would, by imagining: it copies the game as the
// window shows it, makes a move on the copy and plays it on for a while, once for each of a few
// futures, and keeps the move whose futures keep the most humans (then leave the fewest zombies,
// then the most gold). The moves are doing nothing, which wins every tie, the buildings worth
// trying against the zombies nearest to a human (buildingIdeas), and, once a human has turned
// that an earlier time point on the timeline still has, as the planner remembers the town
// there, a jump back there followed by each of the buildings worth trying then. In the first future
// nobody builds after the move; in the others the hasty and then the steady player play on, as a
// stand-in for looking again later. The imagined games draw on the planner's own dice, never on the
// game's.
class Planner {
public:
    // What one look at the game may cost.
    struct Budget {
        std::uint32_t horizon = 30 * kStepsPerSecond;  // how far ahead each future is played
        std::size_t zombies = 2;  // how many of those nearest to a human the moves are against
        std::size_t futures = 2;  // 1 to 3
    };

    // The move to make, and how many more humans its futures kept than waiting's did.
    struct Choice {
        PlanMove move;
        double humansGained = 0.0;
    };

    Planner(std::uint32_t seed, Budget budget) : dice(seed), budget(budget) {}

    // The move to make now; nothing when no move beats doing nothing.
    Choice think(const HeadlessGame& game);
    std::uint32_t horizon() const { return budget.horizon; }

private:
    // What a move's futures come to, on average.
    struct Outlook {
        double worth = 0.0;
        double humans = 0.0;
    };

    std::vector<PlanMove> movesToTry(const HeadlessGame& game) const;
    Outlook outlook(const HeadlessGame& game, const PlanMove& move) const;

    std::mt19937 dice;
    Budget budget;
    // The humans seen in the town at each time point, by its number.
    std::vector<std::size_t> humansSeen;
};
