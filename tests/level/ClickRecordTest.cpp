#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "PlayTestLevels.hpp"
#include "RecordedGames.hpp"
#include "play/ClickRecord.hpp"
#include "play/ClickReplay.hpp"
#include "play/MoveCaption.hpp"

namespace {

using On = HeadlessGame::Click::On;

std::unique_ptr<Player> playerNamed(const std::string& name) {
    if (name == "traveller") {
        return std::make_unique<recorded::TimeTraveller>();
    }
    return std::make_unique<RulePlayer>(name == "hasty" ? RulePlayer::Style::Hasty
                                                        : RulePlayer::Style::Steady);
}

RecordedClick clickOn(On on, std::uint32_t step, std::string reason = {}) {
    RecordedClick recorded;
    recorded.click.on = on;
    recorded.click.step = step;
    recorded.reason = std::move(reason);
    return recorded;
}

// What makes watching worth anything: the game played again from its clicks is the game the
// figures counted, step by step, through building and through jumps both ways.
TEST(ClickRecordTest, AReplayMeetsTheRecordedGameBeforeEveryTurn) {
    const TileMap level = recorded::town();
    for (const char* name : {"steady", "hasty", "traveller"}) {
        for (std::uint32_t seed = 1; seed <= 2; ++seed) {
            SCOPED_TRACE(std::string(name) + ", seed " + std::to_string(seed));
            const std::unique_ptr<Player> player = playerNamed(name);
            recorded::Fingerprinted noted(*player);
            const GameRecord game = GameRecord::play(level, seed, {20}, noted);
            ASSERT_GT(noted.turns.size(), 300u);
            std::vector<std::uint64_t> replayed;
            ClickReplay::showHeadless(
                level, seed, game.clicks, static_cast<int>(noted.turns.size()), 1,
                [&](const WorldState& state) {
                    replayed.push_back(recorded::fingerprint(state, tk::randomEngine()));
                });
            EXPECT_EQ(replayed, noted.turns);
            const auto jumps =
                std::count_if(game.clicks.begin(), game.clicks.end(),
                              [](const RecordedClick& c) { return c.click.on == On::Timeline; });
            EXPECT_EQ(jumps, std::string(name) == "traveller" ? 2 : 0);
        }
    }
}

TEST(ClickRecordTest, EachClickCarriesTheReasonOfItsMoveAndTheStepItWasMadeAt) {
    RulePlayer steady(RulePlayer::Style::Steady);
    const GameRecord game = GameRecord::play(playtest::levelOf(playtest::kYard), 1, {40}, steady);
    ASSERT_GE(game.clicks.size(), 4u);
    for (std::size_t i = 0; i < game.clicks.size(); ++i) {
        const RecordedClick& made = game.clicks[i];
        EXPECT_FALSE(made.reason.empty());
        if (made.click.on == On::Map) {
            // The building was chosen in the same turn, for the same reason.
            ASSERT_GT(i, 0u);
            EXPECT_EQ(game.clicks[i - 1].click.on, On::BuildMenu);
            EXPECT_EQ(game.clicks[i - 1].click.step, made.click.step);
            EXPECT_EQ(game.clicks[i - 1].reason, made.reason);
        }
        if (i > 0) {
            EXPECT_GE(made.click.step, game.clicks[i - 1].click.step);
        }
    }
}

TEST(ClickRecordTest, ClicksAreDueInTheirOrderWhenTheClockComesBackToTheirStep) {
    ClickReplay replay({clickOn(On::Timeline, 10), clickOn(On::Map, 5), clickOn(On::Map, 10)});
    EXPECT_EQ(replay.due(5), nullptr);  // the jump at 10 comes first
    EXPECT_EQ(replay.due(10)->click.on, On::Timeline);
    EXPECT_EQ(replay.due(10), nullptr);
    EXPECT_EQ(replay.due(5)->click.step, 5u);
    EXPECT_FALSE(replay.finished());
    EXPECT_EQ(replay.due(10)->click.on, On::Map);
    EXPECT_TRUE(replay.finished());
    EXPECT_EQ(replay.due(10), nullptr);
}

TEST(ClickRecordTest, CaptionsNameEachMoveAsTheClockShowsIt) {
    RecordedClick mine = clickOn(On::BuildMenu, 360, "why");
    mine.click.building = BuildMine;
    RecordedClick cell = clickOn(On::Map, 360, "the zombie heads for 4 humans");
    cell.click.cell = {7, 5};
    RecordedClick back = clickOn(On::Timeline, 72 * kStepsPerSecond, "a human turned");
    back.click.timePoint = {21};
    RecordedClick ahead = clickOn(On::Timeline, 601 * kStepsPerSecond + 59);
    ahead.click.timePoint = {202};
    struct Case {
        RecordedClick click;
        std::optional<std::string> caption;
    };
    const Case cases[] = {
        {mine, std::nullopt},
        {cell, "0:06 mine on column 7, row 5: the zombie heads for 4 humans"},
        {back, "1:12 back to 1:03: a human turned"},
        {ahead, "10:01 ahead to 10:06"},
    };
    MoveCaption captions;
    for (const Case& c : cases) {
        EXPECT_EQ(captions.of(c.click), c.caption);
    }
}

}  // namespace
