#include <gtest/gtest.h>

#include <vector>

#include "world/History.hpp"

namespace {

// A real snapshot needs a grid; its creatures decide the timeline colour.
WorldState snapshot(int zombies, int humans, std::uint32_t goldSpent = 0) {
    WorldState state;
    state.tileMap.reset(3);
    for (int i = 0; i < zombies; ++i) {
        state.zombies.emplace_back(sf::Vector2f(45.f, 45.f), 0.f, true);
    }
    for (int i = 0; i < humans; ++i) {
        state.humans.emplace_back(sf::Vector2f(45.f, 45.f), 0.f, false);
    }
    state.goldSpent = goldSpent;
    return state;
}

std::vector<std::int32_t> timePoints(const History& history) {
    std::vector<std::int32_t> result;
    for (const TimePointSummary& summary : history.summaries()) {
        result.push_back(summary.timePoint.index);
    }
    return result;
}

void recordTimes(History& history, int count) {
    for (int i = 0; i < count; ++i) {
        history.record(snapshot(0, 1));
    }
}

History withoutFuture() {
    return History([](TimePoint) { FAIL() << "no fast-forward expected"; });
}

}  // namespace

TEST(HistoryTest, IsEmptyBeforeTheFirstRecord) {
    const History history = withoutFuture();
    EXPECT_TRUE(history.summaries().empty());
    EXPECT_EQ(history.currentTimePoint().index, 0);
}

TEST(HistoryTest, FirstRecordStoresTimePointOneAndOnePlaceholder) {
    History history = withoutFuture();
    history.record(snapshot(1, 1));
    const auto summaries = history.summaries();
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_EQ(summaries[0].timePoint.index, 1);
    EXPECT_TRUE(summaries[0].valid);
    EXPECT_EQ(summaries[1].timePoint.index, 2);
    EXPECT_FALSE(summaries[1].valid);
    EXPECT_EQ(history.currentTimePoint().index, 1);
}

TEST(HistoryTest, GrowsSixteenPlaceholdersAheadThenDropsTheFrontPastThirtyTwo) {
    History history = withoutFuture();
    recordTimes(history, 16);
    std::vector<std::int32_t> expected;
    for (int k = 1; k <= 32; ++k) {
        expected.push_back(k);
    }
    EXPECT_EQ(timePoints(history), expected);
    EXPECT_FALSE(history.summaries()[16].valid);
    EXPECT_TRUE(history.summaries()[15].valid);

    recordTimes(history, 18);
    const auto points = timePoints(history);
    EXPECT_EQ(points.size(), 49u);
    EXPECT_EQ(points.front(), 2);
    EXPECT_EQ(points.back(), 50);

    recordTimes(history, 100);
    EXPECT_EQ(history.entryCount(), 49u);
}

TEST(HistoryTest, RecordAfterAJumpBackOverwritesTheAbandonedFutureInPlace) {
    History history = withoutFuture();
    recordTimes(history, 20);
    const std::size_t entriesBefore = history.entryCount();

    const auto restored = history.goTo(TimePoint{10});
    ASSERT_TRUE(restored.has_value());
    EXPECT_EQ(restored->timePoint.index, 10);
    EXPECT_EQ(history.currentTimePoint().index, 10);

    history.record(snapshot(3, 1, 77));
    EXPECT_EQ(history.currentTimePoint().index, 11);
    EXPECT_EQ(history.entryCount(), entriesBefore);
    ASSERT_NE(history.find(TimePoint{11}), nullptr);
    EXPECT_EQ(history.find(TimePoint{11})->goldSpent, 77u);
}

TEST(HistoryTest, GoingToThePresentReturnsItWithoutFastForwarding) {
    History history = withoutFuture();
    recordTimes(history, 3);
    const auto present = history.goTo(TimePoint{3});
    ASSERT_TRUE(present.has_value());
    EXPECT_EQ(present->timePoint.index, 3);
}

TEST(HistoryTest, GoingAheadRunsTheFastForwardWhichRecordsTheWayThere) {
    History* self = nullptr;
    std::vector<std::int32_t> requested;
    History history([&](TimePoint target) {
        requested.push_back(target.index);
        EXPECT_TRUE(self->isBusy());
        while (self->currentTimePoint() != target) {
            self->record(snapshot(1, 1));
        }
    });
    self = &history;
    recordTimes(history, 5);
    ASSERT_TRUE(history.goTo(TimePoint{2}).has_value());

    const auto arrived = history.goTo(TimePoint{6});
    ASSERT_TRUE(arrived.has_value());
    EXPECT_EQ(requested, std::vector<std::int32_t>{6});
    EXPECT_EQ(history.currentTimePoint().index, 6);
    EXPECT_TRUE(arrived->tileMap.size != 0);
    EXPECT_FALSE(history.isBusy());
}

TEST(HistoryTest, ATimePointThatIsNotHeldIsRefused) {
    bool fastForwarded = false;
    History history([&](TimePoint) { fastForwarded = true; });
    EXPECT_FALSE(history.goTo(TimePoint{1}).has_value());
    recordTimes(history, 40);
    EXPECT_FALSE(history.goTo(TimePoint{3}).has_value());    // dropped from the front
    EXPECT_FALSE(history.goTo(TimePoint{200}).has_value());  // never offered
    EXPECT_FALSE(fastForwarded);
    EXPECT_EQ(history.currentTimePoint().index, 40);
}

TEST(HistoryTest, AFastForwardThatStopsShortLeavesThePresentAtTheLastRecord) {
    History* self = nullptr;
    History history([&](TimePoint) { self->record(snapshot(4, 0)); });  // the game ends at once
    self = &history;
    recordTimes(history, 4);
    ASSERT_NE(history.find(TimePoint{8}), nullptr);  // the placeholders reach 8 after 4 records
    EXPECT_FALSE(history.goTo(TimePoint{8}).has_value());
    EXPECT_EQ(history.currentTimePoint().index, 5);
    EXPECT_EQ(history.find(TimePoint{8})->tileMap.size, 0u);
}

TEST(HistoryTest, SummariesCountZombiesAmongAllCreatures) {
    EXPECT_FLOAT_EQ(summarize(snapshot(3, 1)).zombieRatio, 0.75f);
    EXPECT_FLOAT_EQ(summarize(snapshot(0, 0)).zombieRatio, 0.f);
    EXPECT_FLOAT_EQ(summarize(snapshot(2, 0)).zombieRatio, 1.f);
    const TimePointSummary placeholder = summarize(WorldState(TimePoint{7}));
    EXPECT_FALSE(placeholder.valid);
    EXPECT_EQ(placeholder.timePoint.index, 7);
}

TEST(HistoryTest, AJumpToTheLastPlaceholderLeavesNoneAheadAndTheNextRecordAddsOne) {
    History* self = nullptr;
    History history([&](TimePoint target) {
        while (self->currentTimePoint() != target) {
            self->record(snapshot(1, 1));
        }
    });
    self = &history;
    recordTimes(history, 5);
    ASSERT_EQ(timePoints(history).back(), 10);
    ASSERT_TRUE(history.goTo(TimePoint{10}).has_value());
    EXPECT_EQ(timePoints(history).back(), 10);
    history.record(snapshot(1, 1));
    EXPECT_EQ(timePoints(history).back(), 12);
    history.record(snapshot(1, 1));
    EXPECT_EQ(timePoints(history).back(), 14);
}
