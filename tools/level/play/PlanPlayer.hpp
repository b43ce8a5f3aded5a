#pragma once

#include <string>

#include "play/Planner.hpp"
#include "play/Player.hpp"

// Looks at the game every second and a half and makes the move its Planner thinks best, with
// the clicks a person would make, travelling back in time when that pays.
class PlanPlayer final : public Player {
public:
    explicit PlanPlayer(Planner::Budget budget = {}) : planner(kDice, budget) {}

    void act(HeadlessGame& game) override;
    std::string reason() const override { return lastReason; }

private:
    // The planner's own dice always start alike, so that the same game gets the same clicks.
    static constexpr std::uint32_t kDice = 20;

    Planner planner;
    std::string lastReason;
};
