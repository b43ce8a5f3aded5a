#pragma once

#include <cstdint>

#include "world/TimePoint.hpp"

struct WorldState;

// The digest of one snapshot that the timeline bar and the game-over rule need.
// For a placeholder only timePoint and valid mean anything.
struct TimePointSummary {
    TimePoint timePoint;
    bool valid = false;
    float zombieRatio = 0.f;
    std::int32_t turretCount = 0;
    std::int32_t barricadeCount = 0;
    std::uint32_t goldSpent = 0;
};

TimePointSummary summarize(const WorldState& state);
