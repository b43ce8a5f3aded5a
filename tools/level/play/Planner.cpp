#include "play/Planner.hpp"

#include <algorithm>
#include <utility>

#include "app/HeadlessGame.hpp"
#include "play/MoveIdeas.hpp"
#include "play/RulePlayer.hpp"
#include "toolkit/Random.hpp"
#include "world/TimePointSummary.hpp"

namespace {

// What a future is worth: a human above all, then a zombie fewer, then gold kept.
constexpr double kZombieWorth = 0.25;
constexpr double kGoldWorth = 0.001;
// A share of zombies this much above a time point's means a human has turned since.
constexpr float kTurned = 1e-4f;

// The planner's dice stand in for the game's one random engine while it imagines, so that
// whatever its imagined games draw, the real game's next draw stays what it was.
class OwnDice {
public:
    explicit OwnDice(std::mt19937& dice) : dice(dice) { std::swap(dice, tk::randomEngine()); }
    ~OwnDice() { std::swap(dice, tk::randomEngine()); }
    OwnDice(const OwnDice&) = delete;
    OwnDice& operator=(const OwnDice&) = delete;

private:
    std::mt19937& dice;
};

double worth(const HeadlessGame& game) {
    const WorldState& state = game.worldState();
    return static_cast<double>(state.humans.size()) -
           kZombieWorth * static_cast<double>(state.zombies.size()) +
           kGoldWorth * static_cast<double>(game.gold());
}

// The time points worth going back to: the latest one that still has a human who has turned
// since, as the planner remembers the town there or as the bar's lower share of zombies there
// shows, and the one two before it for more time to act, each while the gold pays the fee.
std::vector<TimePoint> jumpTargets(const HeadlessGame& game,
                                   const std::vector<std::size_t>& humansSeen) {
    const std::size_t now = game.worldState().humans.size();
    const float share = summarize(game.worldState()).zombieRatio;
    const std::vector<TimelineButton>& bar = game.hud().getTimelineButtons();
    TimePoint present{-1};
    for (const TimelineButton& button : bar) {
        if (button.current) {
            present = button.summary.timePoint;
        }
    }
    std::vector<TimePoint> targets;
    for (auto button = bar.rbegin(); button != bar.rend(); ++button) {
        const auto index = static_cast<std::size_t>(button->summary.timePoint.index);
        const bool turnedSince = (index < humansSeen.size() && humansSeen[index] > now) ||
                                 button->summary.zombieRatio + kTurned < share;
        if (button->summary.valid && button->summary.timePoint < present && turnedSince) {
            for (const std::int32_t back : {0, 2}) {
                const std::int32_t target = button->summary.timePoint.index - back;
                const auto fee =
                    kJumpBackPrice * static_cast<std::uint32_t>(present.index - target);
                if (target >= bar.front().summary.timePoint.index && fee <= game.gold()) {
                    targets.push_back(TimePoint{target});
                }
            }
            break;
        }
    }
    return targets;
}

}  // namespace

Planner::Choice Planner::think(const HeadlessGame& game) {
    // Humans only ever turn, so those seen at a time point are at most those its snapshot has.
    const std::size_t timePoint = game.stepCount() / StepsPerTimePoint;
    humansSeen.resize(std::max(humansSeen.size(), timePoint + 1), 0);
    humansSeen[timePoint] = game.worldState().humans.size();
    const OwnDice own(dice);
    const std::vector<PlanMove> moves = movesToTry(game);
    Choice best;
    if (moves.size() < 2) {
        return best;
    }
    const Outlook waiting = outlook(game, best.move);
    double bestWorth = waiting.worth;
    for (std::size_t i = 1; i < moves.size(); ++i) {
        const Outlook seen = outlook(game, moves[i]);
        if (seen.worth > bestWorth) {
            bestWorth = seen.worth;
            best = {moves[i], seen.humans - waiting.humans};
        }
    }
    return best;
}

std::vector<PlanMove> Planner::movesToTry(const HeadlessGame& game) const {
    std::vector<PlanMove> moves = {PlanMove{}};
    for (const PlanMove& idea : buildingIdeas(game.worldState(), game.gold(), budget.zombies)) {
        moves.push_back(idea);
    }
    for (const TimePoint target : jumpTargets(game, humansSeen)) {
        HeadlessGame back(game);
        const PlanMove jump{target, NoObject, {}, std::nullopt};
        jump.click(back);
        for (PlanMove idea : buildingIdeas(back.worldState(), back.gold(), budget.zombies)) {
            idea.jump = target;
            moves.push_back(idea);
        }
    }
    return moves;
}

Planner::Outlook Planner::outlook(const HeadlessGame& game, const PlanMove& move) const {
    const std::uint32_t end = game.stepCount() + budget.horizon;
    Outlook total;
    for (std::size_t future = 0; future < budget.futures; ++future) {
        HeadlessGame imagined(game);
        move.click(imagined);
        RulePlayer later(future == 1 ? RulePlayer::Style::Hasty : RulePlayer::Style::Steady);
        while (imagined.stepCount() < end && !imagined.isLost() &&
               !imagined.worldState().zombies.empty()) {
            if (future > 0) {
                later.act(imagined);
            }
            imagined.dispatch();
        }
        total.worth += worth(imagined);
        total.humans += static_cast<double>(imagined.worldState().humans.size());
    }
    const auto futures = static_cast<double>(budget.futures);
    return {total.worth / futures, total.humans / futures};
}
