#include "play/PlanPlayer.hpp"

#include <cmath>

#include "app/HeadlessGame.hpp"
#include "play/MoveCaption.hpp"

namespace {

constexpr std::uint32_t kPause = 90;

// What the planner saw in the move, in a few words for the caption: whom it is against and
// what its futures kept that waiting's did not.
std::string reasonFor(const Planner::Choice& choice, std::uint32_t horizon) {
    std::string reason;
    if (choice.move.jump) {
        reason = "a human turned since then; ";
    } else if (choice.move.against) {
        reason = "against the zombie at " + MoveCaption::cell(*choice.move.against) + ", ";
    }
    const long humans = std::lround(choice.humansGained);
    const std::string later = " in " + std::to_string(horizon / kStepsPerSecond) + " s";
    if (humans > 0) {
        reason += std::to_string(humans) + (humans == 1 ? " more human" : " more humans") + later;
    } else {
        reason += "fewer zombies" + later;
    }
    return reason + " than waiting";
}

}  // namespace

void PlanPlayer::act(HeadlessGame& game) {
    if (game.stepCount() % kPause != 0) {
        return;
    }
    const Planner::Choice choice = planner.think(game);
    if (!choice.move.isNothing()) {
        lastReason = reasonFor(choice, planner.horizon());
    }
    choice.move.click(game);
}
