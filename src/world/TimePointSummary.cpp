#include "world/TimePointSummary.hpp"

#include "world/WorldState.hpp"

TimePointSummary summarize(const WorldState& state) {
    TimePointSummary summary;
    summary.timePoint = state.timePoint;
    summary.valid = state.tileMap.size != 0;
    if (!summary.valid) {
        return summary;
    }
    const auto zombies = static_cast<float>(state.zombies.size());
    const auto humans = static_cast<float>(state.humans.size());
    summary.zombieRatio = zombies + humans > 0.f ? zombies / (zombies + humans) : 0.f;
    summary.turretCount = static_cast<std::int32_t>(state.turrets.size());
    summary.barricadeCount = static_cast<std::int32_t>(state.barricades.size());
    summary.goldSpent = state.goldSpent;
    return summary;
}
