#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <regex>

#include "PlayTestLevels.hpp"
#include "app/HeadlessGame.hpp"
#include "play/ClickRecord.hpp"
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
    std::string reason() const override { return plan.reason(); }

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

// Each move's reason says whom it is against or that it goes back to before a human turned,
// and what its futures kept that waiting's did not; the zombie named is the building's, a few
// cells from it.
void expectReasons(const std::vector<RecordedClick>& clicks) {
    const std::regex gain(R"(.*(\d+ more humans?|fewer zombies) in 30 s than waiting)");
    const std::regex against(R"(against the zombie at column (\d+), row (\d+), .*)");
    bool jumped = false;
    for (const RecordedClick& recorded : clicks) {
        SCOPED_TRACE(recorded.reason);
        EXPECT_TRUE(std::regex_match(recorded.reason, gain));
        const HeadlessGame::Click& click = recorded.click;
        std::smatch zombie;
        if (click.on == HeadlessGame::Click::On::Timeline) {
            jumped = true;
            EXPECT_EQ(recorded.reason.rfind("a human turned since then; ", 0), 0u);
        } else if (click.on == HeadlessGame::Click::On::Map && !jumped) {
            ASSERT_TRUE(std::regex_match(recorded.reason, zombie, against));
            EXPECT_LE(std::abs(std::stoi(zombie[1]) - static_cast<int>(click.cell.x)), 5);
            EXPECT_LE(std::abs(std::stoi(zombie[2]) - static_cast<int>(click.cell.y)), 5);
        }
        jumped = jumped && click.on != HeadlessGame::Click::On::Map;
    }
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
    PlanPlayer plan;
    expectReasons(GameRecord::play(level, 1, {kOneMinute}, plan).clicks);
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
        const GameRecord record = GameRecord::play(yard, seed, {kFiveMinutes}, late);
        ASSERT_EQ(late.humansWhenAwoken, 10u);
        EXPECT_TRUE(record.run.held());
        EXPECT_GE(record.run.jumpsBack, 1u);
        expectReasons(record.clicks);
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
