#include <gtest/gtest.h>

#include <algorithm>

#include "WatchedGame.hpp"
#include "app/HeadlessGame.hpp"
#include "app/SilentServices.hpp"
#include "levelformat/LevelCheck.hpp"
#include "play/RulePlayer.hpp"
#include "support/ParticleRenderer.hpp"
#include "support/StateHash.hpp"
#include "toolkit/Random.hpp"

namespace {

// The town and the next number of the dice the game draws from: what a replay must match.
std::uint64_t fingerprint(const WorldState& state, std::mt19937 dice) {
    StateHash hash;
    hash.add(state);
    hash.add(std::uint64_t{dice()});
    return hash.value();
}

// Plays as the steady player, noting the game's fingerprint before each turn, but once goes back
// two time points and, a second on, ahead again, so that a replay meets both kinds of jump.
class TimeTraveller final : public Player {
public:
    void act(HeadlessGame& game) override {
        turns.push_back(fingerprint(game.worldState(), tk::randomEngine()));
        TimePoint now;
        for (const TimelineButton& button : game.hud().getTimelineButtons()) {
            now = button.current ? button.summary.timePoint : now;
        }
        if (!left && game.stepCount() >= 1200 && game.gold() >= 46 && now.index >= 3 &&
            game.clickTimePoint({now.index - 2})) {
            left = now;
            returnAt = game.stepCount() + kStepsPerSecond;
        } else if (left && !returned && game.stepCount() >= returnAt) {
            returned = game.clickTimePoint(*left);
        } else {
            steady.act(game);
        }
    }

    std::vector<std::uint64_t> turns;

private:
    RulePlayer steady{RulePlayer::Style::Steady};
    std::optional<TimePoint> left;
    bool returned = false;
    std::uint32_t returnAt = 0;
};

// What makes watching worth anything: the game played again from its clicks, in the window or
// into a film, is the game the figures counted, before every turn, through building and jumps
// both ways, though the window's particles draw on the random engine meanwhile.
TEST(WatchedGameTest, TheWatchedAndTheFilmedGameAreTheRecordedOneBeforeEveryTurn) {
    const TileMap level = *LevelCheck::checkFile(ZEMBROOK_LEVEL_FILE).map;
    for (std::uint32_t seed = 1; seed <= 2; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TimeTraveller traveller;
        const GameRecord game = GameRecord::play(level, seed, {20}, traveller);
        ASSERT_GT(traveller.turns.size(), 1000u);
        EXPECT_EQ(std::count_if(game.clicks.begin(), game.clicks.end(),
                                [](const RecordedClick& c) {
                                    return c.click.on == HeadlessGame::Click::On::Timeline;
                                }),
                  2);

        std::vector<std::uint64_t> filmed;
        ClickReplay::showHeadless(level, seed, game.clicks,
                                  static_cast<int>(traveller.turns.size()), 1,
                                  [&](const WorldState& state) {
                                      filmed.push_back(fingerprint(state, tk::randomEngine()));
                                  });
        EXPECT_EQ(filmed, traveller.turns);

        tk::setRandomSeed(seed);
        ParticleRenderer renderer;
        SilentSounds sounds;
        SilentHudRenderer hud;
        WatchedGame watched({renderer, sounds, hud, renderer.particles}, level);
        watched.replay(game.clicks);
        std::vector<std::uint64_t> seen;
        std::vector<std::string> captions;
        std::size_t mostParticles = 0;
        while (seen.size() < traveller.turns.size()) {
            seen.push_back(fingerprint(watched.game().world().getState(), watched.dice()));
            for (std::string& caption : watched.advance()) {
                captions.push_back(std::move(caption));
            }
            mostParticles = std::max(mostParticles, renderer.particles.particleCount());
        }
        EXPECT_EQ(seen, traveller.turns);
        EXPECT_GT(mostParticles, 0u);
        MoveCaption named;
        std::vector<std::string> expected;
        for (const RecordedClick& click : game.clicks) {
            if (std::optional<std::string> caption = named.of(click)) {
                expected.push_back(*caption);
            }
        }
        EXPECT_EQ(captions, expected);
    }
}

}  // namespace
