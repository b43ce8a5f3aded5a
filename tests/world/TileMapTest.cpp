#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "entities/ObjectCode.hpp"
#include "support/Levels.hpp"
#include "world/TileMap.hpp"

namespace {

const std::vector<std::int32_t> kWalledThree = {1, 1, 1, 1, 0, 1, 1, 1, 1};

}  // namespace

TEST(TileMapTest, CodesReadOverwriteTheWholeGridIncludingTheRing) {
    const TileMap tileMap = levels::read("2 0 0 0 0");
    EXPECT_EQ(tileMap.cells, (std::vector<std::int32_t>{0, 0, 0, 0}));
}

TEST(TileMapTest, MissingCodesKeepTheResetGrid) {
    EXPECT_EQ(levels::read("4").cells, levels::read("4 1 1 1 1 1 0 0 1").cells);
    EXPECT_EQ(levels::read("3 1 1 1 1").cells, kWalledThree);
}

TEST(TileMapTest, LineBreaksCarryNoMeaning) {
    EXPECT_EQ(levels::read("3 1 1 1 1 0 1 1 1 1").cells, kWalledThree);
    EXPECT_EQ(levels::read("3\n1 1 1\n1 0 1\n1 1 1\n").cells, kWalledThree);
    EXPECT_EQ(levels::read("3 1\n1\n\n 1 1\t0 1 1 1 1").cells, kWalledThree);
}

TEST(TileMapTest, ANonNumberEndsTheCodes) {
    EXPECT_EQ(levels::read("3 0 0 x 0 0 0 0 0 0").cells,
              (std::vector<std::int32_t>{0, 0, 1, 1, 0, 1, 1, 1, 1}));
}

TEST(TileMapTest, SurplusCodesAreIgnored) {
    const TileMap tileMap = levels::read("2 0 0 0 0 5 5 5");
    EXPECT_EQ(tileMap.cells, (std::vector<std::int32_t>{0, 0, 0, 0}));
}

TEST(TileMapTest, AnUnusableSideLengthGivesAnEmptyGrid) {
    for (const char* text :
         {"", "abc 1 1", "-3 0 0 0", "513", "4294967297 1", "99999999999999999999"}) {
        const TileMap tileMap = levels::read(text);
        EXPECT_EQ(tileMap.size, 0u) << text;
        EXPECT_TRUE(tileMap.cells.empty()) << text;
    }
    EXPECT_EQ(levels::read("512").size, 512u);
}

TEST(TileMapTest, ASideOfZeroEmptiesAGridThatHadOne) {
    TileMap tileMap = levels::read("3");
    std::istringstream zero("0");
    tileMap.read(zero);
    EXPECT_EQ(tileMap.size, 0u);
    EXPECT_TRUE(tileMap.cells.empty());
}

TEST(TileMapTest, AMissingFileGivesAnEmptyGrid) {
    TileMap tileMap;
    tileMap.load("/nonexistent/folder/TileMap.txt");
    EXPECT_EQ(tileMap.size, 0u);
    EXPECT_TRUE(tileMap.cells.empty());
}

TEST(TileMapTest, CellsOutsideTheGridReadAsWalls) {
    const TileMap tileMap = levels::read("2 0 0 0 3");
    EXPECT_EQ(tileMap.at(1, 1), 3);
    EXPECT_EQ(tileMap.at(2, 0), Block);
    EXPECT_EQ(tileMap.at(0, 2), Block);
    EXPECT_EQ(tileMap.at(0xFFFFFFFFu, 0), Block);
    EXPECT_EQ(TileMap().at(0, 0), Block);
}
