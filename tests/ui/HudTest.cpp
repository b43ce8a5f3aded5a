#include <gtest/gtest.h>

#include <vector>

#include "entities/ObjectCode.hpp"
#include "support/RecordingHudRenderer.hpp"
#include "ui/Hud.hpp"

namespace {

std::vector<TimePointSummary> summariesOf(std::initializer_list<int> timePoints) {
    std::vector<TimePointSummary> summaries;
    for (int k : timePoints) {
        TimePointSummary summary;
        summary.timePoint = TimePoint{k};
        summaries.push_back(summary);
    }
    return summaries;
}

class HudTest : public testing::Test {
protected:
    HudTest() : hud(renderer) {
        hud.addBuildEntry(BuildTurret, 0);
        hud.addBuildEntry(BuildBarricade, 1);
        hud.addBuildEntry(BuildMine, 2);
    }

    RecordingHudRenderer renderer;
    Hud hud;
};

}  // namespace

TEST_F(HudTest, BuildMenuEntriesStackDownTheRightEdgeWithTheirPrices) {
    const auto& entries = hud.getBuildEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].bounds, sf::FloatRect(934.f, 190.f, 70.f, 50.f));
    EXPECT_EQ(entries[1].bounds.top, 260.f);
    EXPECT_EQ(entries[2].bounds.top, 330.f);
    EXPECT_EQ(entries[2].textureRect, sf::IntRect(0, 100, 70, 50));
    EXPECT_EQ(entries[0].label, "Build a turret");
    EXPECT_EQ(entries[1].label, "Build a barricade");
    EXPECT_EQ(entries[2].label, "Build a mine");
    EXPECT_EQ(hud.costOf(BuildTurret), 100u);
    EXPECT_EQ(hud.costOf(BuildBarricade), 20u);
    EXPECT_EQ(hud.costOf(BuildMine), 40u);
    EXPECT_EQ(hud.costOf(NoObject), 0u);
}

TEST_F(HudTest, BuildEntryHitTestKeepsTheRightAndBottomEdgesOutside) {
    std::int32_t code = -1;
    EXPECT_TRUE(hud.buildEntryAt(934.f, 190.f, code));
    EXPECT_EQ(code, BuildTurret);
    code = -1;
    EXPECT_FALSE(hud.buildEntryAt(1004.f, 200.f, code));
    EXPECT_FALSE(hud.buildEntryAt(950.f, 240.f, code));
    EXPECT_EQ(code, -1);
    EXPECT_TRUE(hud.buildEntryAt(1003.9f, 330.f, code));
    EXPECT_EQ(code, BuildMine);
}

TEST_F(HudTest, TimelineButtonsSitSideBySideAlongTheBottom) {
    hud.setTimeline(summariesOf({4, 5, 6}), TimePoint{5});
    const auto& buttons = hud.getTimelineButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].bounds, sf::FloatRect(20.f, 718.f, 20.f, 40.f));
    EXPECT_EQ(buttons[2].bounds.left, 60.f);
    EXPECT_TRUE(buttons[1].current);
    EXPECT_FALSE(buttons[0].current);

    TimePoint hit;
    EXPECT_TRUE(hud.timelineButtonAt(40.f, 718.f, hit));  // shared edge: the right-hand one
    EXPECT_EQ(hit.index, 5);
    EXPECT_FALSE(hud.timelineButtonAt(80.f, 730.f, hit));
    EXPECT_FALSE(hud.timelineButtonAt(30.f, 758.f, hit));
    EXPECT_EQ(hit.index, 5);

    hud.setTimeline({}, TimePoint{0});
    EXPECT_TRUE(hud.getTimelineButtons().empty());
}

TEST_F(HudTest, HighlightFollowsTheChosenBuilding) {
    hud.highlightBuilding(BuildBarricade);
    hud.clearBuildHighlights();
    hud.highlightBuilding(BuildMine);
    const auto& entries = hud.getBuildEntries();
    EXPECT_FALSE(entries[0].highlighted);
    EXPECT_FALSE(entries[1].highlighted);
    EXPECT_TRUE(entries[2].highlighted);
}

TEST_F(HudTest, DrawsTheCurrentButtonLastThenTheMenuThenTheOverlays) {
    hud.setTimeline(summariesOf({1, 2, 3}), TimePoint{2});
    hud.showTitle = true;
    hud.showGameOver = true;
    hud.draw();
    const std::vector<std::string> expected = {"button 1", "button 3", "button 2", "entry 4",
                                               "entry 5",  "entry 6",  "title",    "game over"};
    EXPECT_EQ(renderer.calls, expected);
}
