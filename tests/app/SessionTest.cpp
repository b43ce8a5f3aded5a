#include <gtest/gtest.h>

#include "app/Session.hpp"
#include "entities/GameNumbers.hpp"
#include "support/TestSession.hpp"

namespace {

// Spends gold now so that later refunds have something to give back.
void spend(TestSession& game, std::uint32_t amount) {
    ASSERT_TRUE(game.world.trySpend(amount));
}

// Brings the gold to an exact amount; the spending counts like any other.
void setGold(TestSession& game, std::uint32_t amount) {
    if (game.world.gold() > amount) {
        spend(game, game.world.gold() - amount);
    } else {
        game.world.addGold(amount - game.world.gold());
    }
}

void clickButton(TestSession& game, TimePoint timePoint) {
    const sf::Vector2f at = game.buttonOf(timePoint);
    ASSERT_GE(at.x, 0.f) << "time point " << timePoint.index << " is not on the bar";
    game.click(at.x, at.y);
}

// One zombie and one human in a small room.
TileMap smallRoom() {
    return levels::read("5\n1 1 1 1 1\n1 2 3 0 1\n1 0 0 0 1\n1 0 0 0 1\n1 1 1 1 1");
}

// Puts the human on the zombie, whatever their headings: the town is lost in the first step.
void doom(TestSession& game) {
    WorldState meeting = game.world.getState();
    meeting.humans.front().position = meeting.zombies.front().position;
    game.world.replaceState(meeting);
}

}  // namespace

TEST(SessionTest, IncomeAndSnapshotsComeEveryHundredAndEightySteps) {
    TestSession game;
    game.click(500.f, 500.f);
    for (int i = 0; i < 179; ++i) {
        game.session().dispatch();
    }
    EXPECT_EQ(game.world.gold(), 80u);
    EXPECT_TRUE(game.history.summaries().empty());
    game.session().dispatch();
    EXPECT_EQ(game.stepCount, 180u);
    EXPECT_EQ(game.world.gold(), 100u);
    EXPECT_EQ(game.history.currentTimePoint().index, 1);
    EXPECT_EQ(game.hud.getTimelineButtons().size(), 2u);
}

TEST(SessionTest, TheTitleScreenHoldsTheWorldStillAndAnyClickOnlyStartsPlay) {
    TestSession game;
    game.session().dispatch();
    EXPECT_TRUE(game.hud.showTitle);
    EXPECT_EQ(game.stepCount, 0u);

    game.click(950.f, 200.f);  // on the turret entry of the build menu
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_FALSE(game.hud.showTitle);
    EXPECT_EQ(game.selectedBuilding, NoObject);
    EXPECT_FALSE(game.hud.getBuildEntries()[0].highlighted);
}

TEST(SessionTest, WorkedExampleBackFromTenToSixThenForwardToEight) {
    TestSession game;
    game.playUntil(TimePoint{5});
    spend(game, 50);
    game.playUntil(TimePoint{10});
    // At time point 10 the gold is 280 minus 50 spent; bring the spending to 150 and the gold
    // to 200 to match the worked example exactly.
    spend(game, 100);
    setGold(game, 200);
    ASSERT_EQ(game.world.getState().goldSpent, 150u);
    ASSERT_EQ(game.world.gold(), 200u);

    clickButton(game, TimePoint{6});
    EXPECT_EQ(game.world.gold(), 208u);
    EXPECT_EQ(game.world.getState().goldSpent, 50u);
    EXPECT_EQ(game.stepCount, 1081u);

    const std::size_t soundsBefore = game.sounds.played.size();
    const int stepsBefore = game.sounds.purges;  // every simulated step purges once
    clickButton(game, TimePoint{8});
    EXPECT_EQ(game.sounds.purges - stepsBefore, 1441 - 1081);
    EXPECT_EQ(game.world.gold(), 208u + 36u);
    EXPECT_EQ(game.stepCount, 1441u);
    EXPECT_EQ(game.history.currentTimePoint().index, 8);
    EXPECT_EQ(game.world.getState().timePoint.index, 8);
    EXPECT_EQ(game.world.getState().goldSpent, 54u);
    EXPECT_FALSE(game.world.isSilent());
    EXPECT_EQ(game.sounds.played.size(), soundsBefore);

    // After any jump the next snapshot comes 179 steps later.
    for (int i = 0; i < 178; ++i) {
        game.session().dispatch();
    }
    EXPECT_EQ(game.history.currentTimePoint().index, 8);
    game.session().dispatch();
    EXPECT_EQ(game.history.currentTimePoint().index, 9);
}

TEST(SessionTest, ThePriceIsWeighedBeforeTheRefundIsPaid) {
    TestSession game;
    game.playUntil(TimePoint{3});
    spend(game, 20);
    game.playUntil(TimePoint{4});
    setGold(game, 68);
    const std::uint32_t spent = game.world.getState().goldSpent;

    clickButton(game, TimePoint{1});
    EXPECT_EQ(game.history.currentTimePoint().index, 4);
    EXPECT_EQ(game.world.gold(), 68u);
    EXPECT_EQ(game.world.getState().goldSpent, spent);

    game.world.addGold(1);
    clickButton(game, TimePoint{1});
    EXPECT_EQ(game.history.currentTimePoint().index, 1);
    EXPECT_EQ(game.world.gold(), spent);  // 69 - 69 + everything spent since time point 1
}

TEST(SessionTest, TheCurrentTimePointAndUnheldTimePointsCostNothingAndDoNothing) {
    TestSession game;
    game.playUntil(TimePoint{2});
    const std::uint32_t steps = game.stepCount;
    clickButton(game, TimePoint{2});
    game.session().jumpTo(TimePoint{400});
    game.session().jumpTo(TimePoint{-3});
    EXPECT_EQ(game.world.gold(), 120u);
    EXPECT_EQ(game.stepCount, steps);
    EXPECT_EQ(game.history.currentTimePoint().index, 2);
}

TEST(SessionTest, ARefundNeverWrapsBelowZero) {
    TestSession game;
    game.playUntil(TimePoint{1});
    spend(game, 60);
    game.playUntil(TimePoint{3});
    // A present that somehow spent less than its past must not be refunded four billion.
    WorldState thrifty = game.world.getState();
    thrifty.goldSpent = 0;
    game.world.replaceState(thrifty);
    game.world.addGold(100);
    const std::uint32_t gold = game.world.gold();
    clickButton(game, TimePoint{2});
    EXPECT_EQ(game.world.gold(), gold - 23u);
}

TEST(SessionTest, BuildingNeedsAChoiceAndTheGoldAndKeepsTheChoice) {
    TestSession game;
    game.playUntil(TimePoint{1});  // 100 gold
    game.click(75.f, 75.f);
    game.click(15.f, 15.f);  // a wall, which a building would turn to floor
    EXPECT_TRUE(game.world.getState().turrets.empty());
    EXPECT_EQ(game.world.getState().tileMap.at(0, 0), Block);

    game.click(950.f, 200.f);  // choose the turret
    EXPECT_EQ(game.selectedBuilding, BuildTurret);
    EXPECT_TRUE(game.hud.getBuildEntries()[0].highlighted);
    spend(game, 1);  // 99 gold
    game.click(75.f, 75.f);
    EXPECT_TRUE(game.world.getState().turrets.empty());
    EXPECT_EQ(game.selectedBuilding, BuildTurret);

    game.click(950.f, 270.f);  // the barricade: the outline moves
    EXPECT_FALSE(game.hud.getBuildEntries()[0].highlighted);
    EXPECT_TRUE(game.hud.getBuildEntries()[1].highlighted);
    game.click(59.9f, 30.f);
    game.click(59.9f, 30.f);
    const auto& barricades = game.world.getState().barricades;
    ASSERT_EQ(barricades.size(), 2u);
    EXPECT_EQ(barricades[0].position, sf::Vector2f(45.f, 45.f));
    EXPECT_EQ(barricades[1].position, sf::Vector2f(45.f, 45.f));
    EXPECT_EQ(game.world.gold(), 59u);
}

TEST(SessionTest, TheMapEndsAtThirtyTimesItsSize) {
    TestSession game(levels::read("4"));
    game.playUntil(TimePoint{1});
    game.click(950.f, 270.f);
    game.click(120.f, 60.f);
    game.click(60.f, 120.f);
    game.click(-0.5f, 60.f);
    EXPECT_TRUE(game.world.getState().barricades.empty());
    EXPECT_EQ(game.world.gold(), 100u) << "a click off the map must not be paid for";
    game.click(119.9f, 119.9f);
    EXPECT_EQ(game.world.getState().barricades.size(), 1u);

    TestSession empty(levels::read(""));
    empty.playUntil(TimePoint{1});
    empty.click(950.f, 270.f);
    empty.click(0.f, 0.f);
    EXPECT_TRUE(empty.world.getState().barricades.empty());
}

TEST(SessionTest, WhereTheMapReachesUnderTheMenuAndTheBarTheyWin) {
    TestSession game(levels::read("40"));
    game.playUntil(TimePoint{2});
    game.click(950.f, 270.f);  // selects: on the map too, but the menu comes first
    EXPECT_EQ(game.selectedBuilding, BuildBarricade);
    game.click(950.f, 200.f);
    EXPECT_EQ(game.selectedBuilding, BuildTurret);
    game.click(950.f, 270.f);
    clickButton(game, TimePoint{2});  // the current time point: nothing at all
    EXPECT_TRUE(game.world.getState().barricades.empty());
    EXPECT_EQ(game.world.gold(), 120u);
}

TEST(SessionTest, AnOverrunTownEndsAtTheFirstSnapshotAndTheNextClickCloses) {
    TestSession game(smallRoom());
    doom(game);
    game.playUntil(TimePoint{1});
    EXPECT_EQ(game.state, GameState::GameOver);
    EXPECT_EQ(game.stepCount, 180u);
    game.session().dispatch();
    EXPECT_TRUE(game.hud.showGameOver);
    EXPECT_EQ(game.stepCount, 180u);
    EXPECT_EQ(game.click(10.f, 10.f), Session::ClickOutcome::CloseWindow);
    EXPECT_FALSE(game.hud.showGameOver);
}

TEST(SessionTest, AForwardJumpThatEndsTheGameStopsWhereTheGameEnded) {
    // The human starts walled in, out of reach, so time point 1 still has it. Then it is put
    // beside the zombie: time point 2 is overrun, and the game ends once time point 2 is the
    // oldest held, when time point 34 is recorded: in the middle of a jump to 36.
    TestSession game(levels::read("5\n1 1 1 1 1\n1 2 0 1 1\n1 0 1 3 1\n1 0 1 1 1\n1 1 1 1 1"));
    game.playUntil(TimePoint{1});
    ASSERT_EQ(game.history.summaries().front().zombieRatio, 0.5f);
    doom(game);
    game.playUntil(TimePoint{20});
    ASSERT_EQ(game.history.summaries()[1].zombieRatio, 1.f);
    ASSERT_EQ(game.state, GameState::Playing);

    clickButton(game, TimePoint{36});
    EXPECT_EQ(game.state, GameState::GameOver);
    EXPECT_EQ(game.history.currentTimePoint().index, 34);
    EXPECT_EQ(game.stepCount, 34u * 180u);
    EXPECT_NE(game.world.getState().tileMap.size, 0u);  // never a placeholder
    EXPECT_EQ(game.world.getState().zombies.size(), 2u);
    EXPECT_FALSE(game.world.isSilent());
}
