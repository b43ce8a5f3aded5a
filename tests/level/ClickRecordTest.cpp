#include <gtest/gtest.h>

#include "play/ClickRecord.hpp"
#include "play/ClickReplay.hpp"
#include "play/MoveCaption.hpp"

namespace {

using On = HeadlessGame::Click::On;

RecordedClick clickOn(On on, std::uint32_t step, std::string reason = {}) {
    RecordedClick recorded;
    recorded.click.on = on;
    recorded.click.step = step;
    recorded.reason = std::move(reason);
    return recorded;
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
