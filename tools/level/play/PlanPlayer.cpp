#include "play/PlanPlayer.hpp"

#include "app/HeadlessGame.hpp"

namespace {

constexpr std::uint32_t kPause = 90;

}  // namespace

void PlanPlayer::act(HeadlessGame& game) {
    if (game.stepCount() % kPause == 0) {
        planner.think(game).click(game);
    }
}
