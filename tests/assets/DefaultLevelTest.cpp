// The level the game starts with: its file must suit the map reader and the screen layout, and
// its design must give the outbreak somewhere to go.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace {

struct Level {
    int size = 0;
    std::vector<int> cells;
    std::string trailing;  // anything after the last code

    int at(int column, int row) const {
        return cells[static_cast<std::size_t>(row * size + column)];
    }
};

Level readLevel() {
    std::ifstream in(ZEMBROOK_LEVEL_FILE);
    Level level;
    in >> level.size;
    int code = 0;
    while (static_cast<int>(level.cells.size()) < level.size * level.size && in >> code) {
        level.cells.push_back(code);
    }
    in >> level.trailing;
    return level;
}

std::map<int, int> countCodes(const Level& level) {
    std::map<int, int> counts;
    for (const int code : level.cells) {
        ++counts[code];
    }
    return counts;
}

}  // namespace

TEST(DefaultLevelTest, HoldsExactlySideSquaredKnownCodesAndFitsBesideTheMenus) {
    const Level level = readLevel();
    ASSERT_GT(level.size, 2);
    EXPECT_EQ(level.cells.size(), static_cast<std::size_t>(level.size * level.size));
    EXPECT_EQ(level.trailing, "");
    for (const int code : level.cells) {
        EXPECT_GE(code, 0);
        EXPECT_LE(code, 6);
    }
    // The build menu starts at x = 934 and the timeline bar at y = 718.
    EXPECT_LE(30 * level.size, 718);
    EXPECT_LE(30 * level.size, 934);
}

TEST(DefaultLevelTest, OuterRingIsWallAllRound) {
    const Level level = readLevel();
    ASSERT_EQ(level.cells.size(), static_cast<std::size_t>(level.size * level.size));
    const int last = level.size - 1;
    for (int i = 0; i < level.size; ++i) {
        EXPECT_EQ(level.at(i, 0), 1) << "top, column " << i;
        EXPECT_EQ(level.at(i, last), 1) << "bottom, column " << i;
        EXPECT_EQ(level.at(0, i), 1) << "left, row " << i;
        EXPECT_EQ(level.at(last, i), 1) << "right, row " << i;
    }
}

TEST(DefaultLevelTest, FewZombiesInOneCornerAgainstACrowdOfHumansAndEachBuilding) {
    const Level level = readLevel();
    ASSERT_EQ(level.cells.size(), static_cast<std::size_t>(level.size * level.size));
    std::map<int, int> counts = countCodes(level);
    EXPECT_GE(counts[2], 3);
    EXPECT_LE(counts[2], 5);
    EXPECT_GE(counts[3], 40);
    EXPECT_LE(counts[3], 60);
    EXPECT_EQ(counts[4], 1);
    EXPECT_EQ(counts[5], 1);
    EXPECT_GE(counts[6], 2);
    EXPECT_LE(counts[6], 5);
    // All zombies start inside one corner quarter of the map.
    const int half = level.size / 2;
    std::map<int, int> quarters;
    for (int row = 0; row < level.size; ++row) {
        for (int column = 0; column < level.size; ++column) {
            if (level.at(column, row) == 2) {
                ++quarters[(row >= half) * 2 + (column >= half)];
            }
        }
    }
    EXPECT_EQ(quarters.size(), 1u);
}

TEST(DefaultLevelTest, EveryOpenCellCanBeReachedFromEveryOther) {
    const Level level = readLevel();
    ASSERT_EQ(level.cells.size(), static_cast<std::size_t>(level.size * level.size));
    std::vector<bool> seen(level.cells.size(), false);
    std::vector<int> open;
    for (int i = 0; i < static_cast<int>(level.cells.size()); ++i) {
        if (level.cells[static_cast<std::size_t>(i)] != 1) {
            open.push_back(i);
        }
    }
    ASSERT_FALSE(open.empty());
    std::vector<int> pending{open.front()};
    seen[static_cast<std::size_t>(open.front())] = true;
    int reached = 0;
    while (!pending.empty()) {
        const int cell = pending.back();
        pending.pop_back();
        ++reached;
        const int column = cell % level.size;
        const int row = cell / level.size;
        const int neighbours[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& step : neighbours) {
            const int c = column + step[0];
            const int r = row + step[1];
            if (c < 0 || r < 0 || c >= level.size || r >= level.size) {
                continue;
            }
            const auto index = static_cast<std::size_t>(r * level.size + c);
            if (!seen[index] && level.cells[index] != 1) {
                seen[index] = true;
                pending.push_back(static_cast<int>(index));
            }
        }
    }
    EXPECT_EQ(reached, static_cast<int>(open.size()));
}
