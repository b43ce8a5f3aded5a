#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "PlayTestLevels.hpp"
#include "app/HeadlessGame.hpp"
#include "play/PlanPlayer.hpp"
#include "play/ReferencePlayers.hpp"
#include "play/RulePlayer.hpp"
#include "play/SeedRun.hpp"
#include "toolkit/Random.hpp"

namespace {

constexpr int kOneMinute = 20;
constexpr int kFiveMinutes = 100;

// Lets a planner think whenever the planning player would, throws its moves away, and leaves
// the clicks to another player.
class ThinkingOnly final : public Player {
public:
    explicit ThinkingOnly(Player& hands) : hands(hands) {}

    void act(HeadlessGame& game) override {
        if (game.stepCount() % 90 == 0) {
            planner.think(game);
        }
        hands.act(game);
    }

private:
    Planner planner{7, {}};
    Player& hands;
};

// Builds nothing until two of the yard's twelve humans have turned, then lets the planner play.
class LateTakeover final : public Player {
public:
    void act(HeadlessGame& game) override {
        if (humansWhenAwoken == 0 && game.worldState().humans.size() <= 10) {
            humansWhenAwoken = game.worldState().humans.size();
        }
        if (humansWhenAwoken > 0) {
            plan.act(game);
        }
    }

    std::size_t humansWhenAwoken = 0;

private:
    PlanPlayer plan;
};

int heldBy(const std::string& name, const TileMap& level, int timePoints) {
    const ReferencePlayers::Maker maker =
        ReferencePlayers::maker(name, level, {8, timePoints, 2}, [](std::size_t, std::size_t) {});
    int held = 0;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        held += SeedRun::play(level, seed, {timePoints}, *maker()).held() ? 1 : 0;
    }
    return held;
}

}  // namespace

// Imagining draws on the planner's own dice and plays copies only: the game it thinks about
// goes exactly as it would have without it, down to the next number of the game's dice, which
// the turrets that the rule players build draw on.
TEST(PlanPlayerTest, ThinkingWithoutClickingLeavesEveryGameAsItWould) {
    struct Case {
        const char* level;
        const char* hands;
    };
    const Case cases[] = {
        {playtest::kYard, "idle"}, {playtest::kYard, "steady"}, {playtest::kDecoy, "hasty"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hands);
        const TileMap level = playtest::levelOf(c.level);
        const ReferencePlayers::Maker maker =
            ReferencePlayers::maker(c.hands, level, {}, [](std::size_t, std::size_t) {});
        const SeedRun played = SeedRun::play(level, 1, {kOneMinute}, *maker());
        const std::mt19937 dice = tk::randomEngine();
        const std::unique_ptr<Player> hands = maker();
        ThinkingOnly thinker(*hands);
        const SeedRun thought = SeedRun::play(level, 1, {kOneMinute}, thinker);
        EXPECT_EQ(thought.serialize(), played.serialize());
        EXPECT_TRUE(tk::randomEngine() == dice);
        EXPECT_EQ(played.goldSpent > 0, std::string(c.hands) != "idle") << "builds";
    }
}

// The rules look at the zombie nearest to a human, which is walled in; the four in the open
// reach the crowd some twenty seconds later, and only looking that far ahead meets them.
TEST(PlanPlayerTest, HoldsWhereTheRightMovePaysOffOnlyTwentySecondsLater) {
    const TileMap level = playtest::levelOf(playtest::kDecoy);
    EXPECT_GE(heldBy("plan", level, kFiveMinutes), 7);
    EXPECT_LE(heldBy("steady", level, kFiveMinutes), 1);
    EXPECT_LE(heldBy("search", level, kFiveMinutes), 1);
}

// Taking over a yard only once two of its twelve humans have turned, the planner can hold it
// (eleven left) only by going back to before a turn; on the default town nothing calls for it.
TEST(PlanPlayerTest, JumpsBackWhenOnlyGoingBackSavesTheTownAndOtherwiseNot) {
    const TileMap yard = playtest::levelOf(playtest::kYard);
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE("yard seed " + std::to_string(seed));
        LateTakeover late;
        const SeedRun run = SeedRun::play(yard, seed, {kFiveMinutes}, late);
        ASSERT_EQ(late.humansWhenAwoken, 10u);
        EXPECT_TRUE(run.held());
        EXPECT_GE(run.jumpsBack, 1u);
    }
    const TileMap town = *LevelCheck::checkFile(ZEMBROOK_LEVEL_FILE).map;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("town seed " + std::to_string(seed));
        PlanPlayer plan;
        const SeedRun run = SeedRun::play(town, seed, {200}, plan);
        EXPECT_TRUE(run.held());
        EXPECT_EQ(run.jumpsBack + run.jumpsForward, 0u);
    }
}
