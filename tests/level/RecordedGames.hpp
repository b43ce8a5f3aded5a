#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/HeadlessGame.hpp"
#include "levelformat/LevelCheck.hpp"
#include "play/Player.hpp"
#include "play/RulePlayer.hpp"
#include "support/StateHash.hpp"
#include "toolkit/Random.hpp"

// Games to record and play again, shared by the tests of the record and of the watch.
namespace recorded {

// The game's own town: many zombies, so that turrets fire and particles fly.
inline TileMap town() {
    return *LevelCheck::checkFile(ZEMBROOK_LEVEL_FILE).map;
}

// The town and the next number of the dice the game draws from: what a replay must match.
inline std::uint64_t fingerprint(const WorldState& state, const std::mt19937& dice) {
    StateHash hash;
    hash.add(state);
    std::mt19937 next = dice;
    hash.add(std::uint64_t{next()});
    return hash.value();
}

// Plays as the steady player, but once in a game goes back two time points and, a second on,
// ahead again to where it was, so that a replay meets both kinds of jump.
class TimeTraveller final : public Player {
public:
    void act(HeadlessGame& game) override {
        why.clear();
        if (!left && game.stepCount() >= kLeaveAt && game.gold() >= 2 * kJumpBackPrice) {
            const TimePoint now = current(game);
            if (now.index >= 3 && game.clickTimePoint({now.index - 2})) {
                left = now;
                returnAt = game.stepCount() + kStepsPerSecond;
                why = "to see it again";
                return;
            }
        }
        if (left && !returned && game.stepCount() >= returnAt && game.clickTimePoint(*left)) {
            returned = true;
            why = "back where it was";
            return;
        }
        steady.act(game);
    }
    std::string reason() const override { return why.empty() ? steady.reason() : why; }

private:
    static constexpr std::uint32_t kLeaveAt = 20 * kStepsPerSecond;
    static constexpr std::uint32_t kJumpBackPrice = 23;

    static TimePoint current(const HeadlessGame& game) {
        for (const TimelineButton& button : game.hud().getTimelineButtons()) {
            if (button.current) {
                return button.summary.timePoint;
            }
        }
        return {};
    }

    RulePlayer steady{RulePlayer::Style::Steady};
    std::optional<TimePoint> left;
    bool returned = false;
    std::uint32_t returnAt = 0;
    std::string why;
};

// Plays as another player and notes the game's fingerprint before each of its turns.
class Fingerprinted final : public Player {
public:
    explicit Fingerprinted(Player& player) : player(player) {}

    void act(HeadlessGame& game) override {
        turns.push_back(fingerprint(game.worldState(), tk::randomEngine()));
        player.act(game);
    }
    std::string reason() const override { return player.reason(); }

    std::vector<std::uint64_t> turns;

private:
    Player& player;
};

}  // namespace recorded
