#include "play/PlanPlayer.hpp"

#include "app/HeadlessGame.hpp"

namespace {

constexpr std::uint32_t kPause = 90;

}  // namespace

void PlanPlayer::act(HeadlessGame& game) {
    if (game.stepCount() % kPause != 0) {
        return;
    }
    const PlanMove move = planner.think(game);
    if (move.jump) {
        lastReason = "a human turned whom that moment still has";
    } else if (!move.isNothing()) {
        lastReason = "of every move tried, it keeps the most humans in the imagined futures";
    }
    move.click(game);
}
