#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "entities/GameNumbers.hpp"
#include "world/TimePoint.hpp"
#include "world/TimePointSummary.hpp"
#include "world/WorldState.hpp"

// The snapshots the player can travel to: up to kMaxPast time points behind the present, the
// present itself, and placeholders for the time points ahead that the timeline bar offers.
class History {
public:
    using FastForward = std::function<void(TimePoint)>;

    explicit History(FastForward fastForward);
    // The same snapshots and present as another, simulating ahead through its own callback.
    History(const History& original, FastForward fastForward);

    // Stores the present as the next time point, filling a placeholder or an abandoned future.
    void record(WorldState state);

    // The entry of that time point, real or placeholder, if it is held at all.
    const WorldState* find(TimePoint timePoint) const;

    // Moves the present to the target and hands back its snapshot; a target ahead is first
    // simulated through the fast-forward callback. Nothing comes back, and the present stays
    // where the simulation left it, when the target is not held or the fast-forward stopped
    // short of it (the game ended on the way), since a placeholder is no world to live in.
    std::optional<WorldState> goTo(TimePoint target);

    std::vector<TimePointSummary> summaries() const;

    TimePoint currentTimePoint() const { return present; }
    std::size_t entryCount() const { return entries.size(); }
    bool isBusy() const { return busy; }

private:
    void extendAhead();
    void appendPlaceholder();
    WorldState* findEntry(TimePoint timePoint);

    TimePoint present{0};
    std::deque<WorldState> entries;
    FastForward fastForward;
    bool busy = false;
    bool extendOnce = true;
};
