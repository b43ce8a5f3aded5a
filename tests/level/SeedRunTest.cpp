#include <gtest/gtest.h>

#include "PlayTestLevels.hpp"
#include "app/HeadlessGame.hpp"
#include "levelformat/LevelCheck.hpp"
#include "play/RulePlayer.hpp"
#include "play/SeedRun.hpp"

namespace {

TileMap levelOf(const std::string& text) {
    const LevelReport report = LevelCheck::checkText(text);
    return *report.map;
}

// Two zombies in the left room, three humans in the right one, a wall between them.
const char* const kWalledOff =
    "7\n"
    "1 1 1 1 1 1 1\n"
    "1 2 0 1 0 3 1\n"
    "1 0 0 1 0 0 1\n"
    "1 0 2 1 0 3 1\n"
    "1 0 0 1 0 0 1\n"
    "1 0 0 1 3 0 1\n"
    "1 1 1 1 1 1 1\n";

TEST(SeedRunTest, AZombiesOnlyLevelIsLostAtTheFirstTimePointWhateverTheSeed) {
    const TileMap level = levelOf("4\n1 1 1 1\n1 2 2 1\n1 0 2 1\n1 1 1 1\n");
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        const SeedRun run = SeedRun::play(level, seed, 20);
        EXPECT_TRUE(run.lost);
        ASSERT_EQ(run.timePoints.size(), 1u);
        EXPECT_EQ(run.timePoints[0].zombieShare, 1.f);
        EXPECT_EQ(run.lastHumanStep, 0u);
    }
}

TEST(SeedRunTest, HumansWalledOffFromTheZombiesHoldForTheWholeRun) {
    const TileMap level = levelOf(kWalledOff);
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        const SeedRun run = SeedRun::play(level, seed, 40);
        EXPECT_FALSE(run.lost);
        EXPECT_FALSE(run.lastHumanStep);
        ASSERT_EQ(run.timePoints.size(), 40u);
        EXPECT_EQ(run.timePoints.back().humans, 3);
        EXPECT_FLOAT_EQ(run.timePoints.back().zombieShare, 0.4f);
    }
}

// Once the last zombie has fallen nothing can change, so the game stops there; its figures must
// be exactly those of playing the whole time.
TEST(SeedRunTest, AGameStoppedAtItsLastZombieReportsWhatPlayingOnReports) {
    for (const char* text : {playtest::kCorridor, playtest::kYard}) {
        const TileMap level = levelOf(text);
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            RulePlayer early(RulePlayer::Style::Hasty);
            RulePlayer late(RulePlayer::Style::Hasty);
            const SeedRun stopped = SeedRun::play(level, seed, {200, true}, early);
            const SeedRun played = SeedRun::play(level, seed, {200, false}, late);
            ASSERT_TRUE(stopped.lastZombieStep);
            EXPECT_LT(stopped.steps, played.steps);
            EXPECT_EQ(stopped.serialize().substr(stopped.serialize().find('\n')),
                      played.serialize().substr(played.serialize().find('\n')));
            EXPECT_EQ(std::make_tuple(stopped.humansLeft, stopped.lastZombieStep,
                                      stopped.lastHumanStep, stopped.lost, stopped.goldSpent),
                      std::make_tuple(played.humansLeft, played.lastZombieStep,
                                      played.lastHumanStep, played.lost, played.goldSpent));
        }
    }
}

TEST(SeedRunTest, ARunComesBackFromItsTextExactly) {
    const SeedRun played = SeedRun::play(*LevelCheck::checkFile(ZEMBROOK_LEVEL_FILE).map, 7, 3);
    const SeedRun back = SeedRun::parse(played.serialize());
    EXPECT_EQ(back.seed, 7u);
    EXPECT_EQ(back.lost, played.lost);
    EXPECT_EQ(back.lastHumanStep, played.lastHumanStep);
    ASSERT_EQ(back.timePoints.size(), played.timePoints.size());
    for (std::size_t i = 0; i < back.timePoints.size(); ++i) {
        EXPECT_EQ(back.timePoints[i].zombieShare, played.timePoints[i].zombieShare);
    }
    EXPECT_THROW(SeedRun::parse("7 -1 0 3\n2 3 0.4\n"), std::runtime_error);
}

// Clicks the timeline at given steps of the game's clock, one jump after the other.
class Traveller final : public Player {
public:
    struct Jump {
        std::uint32_t atStep;
        std::int32_t to;
    };
    explicit Traveller(std::vector<Jump> jumps) : jumps(std::move(jumps)) {}

    void act(HeadlessGame& game) override {
        if (next < jumps.size() && jumps[next].atStep == game.stepCount()) {
            game.clickTimePoint(TimePoint{jumps[next].to});
            ++next;
        }
    }

private:
    std::vector<Jump> jumps;
    std::size_t next = 0;
};

// A game's figures are those of the time it finally took: it ends when its own clock has
// recorded the time points asked for, however it travelled, and it counts its jumps each way.
TEST(SeedRunTest, AGameEndsOnItsOwnClockAndCountsItsJumpsEachWay) {
    struct Case {
        std::vector<Traveller::Jump> jumps;
        std::uint32_t back, forward;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{{2000, 8}}, 1, 0},              // back three time points at 0:33
        {{{1000, 9}}, 0, 1},              // ahead three at 0:16
        {{{2000, 8}, {1500, 12}}, 1, 1},  // back, then on through the same time again
        {{{2000, 8}, {1500, 80}}, 1, 0},  // a time point the bar does not show
    };
    const TileMap level = levelOf(kWalledOff);
    const SeedRun alone = SeedRun::play(level, 1, 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.jumps.size()) + " jumps");
        Traveller traveller(c.jumps);
        const SeedRun run = SeedRun::play(level, 1, {40, false}, traveller);
        EXPECT_EQ(std::make_tuple(run.jumpsBack, run.jumpsForward),
                  std::make_tuple(c.back, c.forward));
        EXPECT_EQ(run.steps, 40u * 180u);
        // The walls keep the town as it is, so every time point counts alike however it came.
        EXPECT_EQ(run.serialize().substr(run.serialize().find('\n')),
                  alone.serialize().substr(alone.serialize().find('\n')));
        const SeedRun back = SeedRun::parse(run.serialize());
        EXPECT_EQ(std::make_tuple(back.jumpsBack, back.jumpsForward),
                  std::make_tuple(c.back, c.forward));
    }
}

}  // namespace
