#include <gtest/gtest.h>

#include <sstream>

#include "levelformat/LevelManifest.hpp"

namespace {

const std::string kTown =
    "town\tTileMap.txt\tThe Town\tThree zombies penned in a yard\t13\t1:43\t2 of 837\n";
const std::string kDocks = "docks\tdocks.txt\tThe Docks\tA crowd on the quay\t40\t0:55\t1 of 90\n";

LevelManifest readText(const std::string& text) {
    std::istringstream input(text);
    return LevelManifest::read(input, "levels.tsv");
}

std::string refusal(const std::string& text) {
    try {
        readText(text);
    } catch (const ManifestError& error) {
        return error.what();
    }
    return "(read without complaint)";
}

TEST(LevelManifestTest, LevelsComeInLadderOrderPastCommentsBlankLinesAndDosLineEnds) {
    const LevelManifest manifest =
        readText("# name\tfile\ttitle\tidea\tdifficulty\tfalls\topenings\n\n" + kTown + "\r\n" +
                 kDocks.substr(0, kDocks.size() - 1) + "\r\n");
    ASSERT_EQ(manifest.entries().size(), 2u);
    EXPECT_EQ(manifest.entries()[0].name, "town");
    const LevelEntry* docks = manifest.find("docks");
    ASSERT_EQ(docks, &manifest.entries()[1]);
    EXPECT_EQ(docks->file, "docks.txt");
    EXPECT_EQ(docks->idea, "A crowd on the quay");
    EXPECT_EQ(docks->difficulty, 40);
    EXPECT_EQ(docks->openings, "1 of 90");
    EXPECT_EQ(manifest.find("dock"), nullptr);
}

TEST(LevelManifestTest, AMalformedLineIsRefusedWithItsFileAndLine) {
    const struct {
        std::string text;
        std::string message;
    } rows[] = {
        {"", "levels.tsv: error: names no level"},
        {"town\tTileMap.txt\tThe Town\n", "levels.tsv:1: error: 3 tab-separated columns"},
        {kTown.substr(0, kTown.size() - 1) + "\textra\n", "levels.tsv:1: error: 8 tab-sep"},
        {"town TileMap.txt\tThe Town\tidea\t13\t1:43\t2 of 837\n", "1: error: 6 tab-separated"},
        {"Town\ta.txt\tT\ti\t1\t1:00\t1 of 2\n", "1: error: the name 'Town' is not"},
        {"2nd\ta.txt\tT\ti\t1\t1:00\t1 of 2\n", "1: error: the name '2nd' is not"},
        {"up\t../secret\tT\ti\t1\t1:00\t1 of 2\n", "the file '../secret' is not"},
        {"up\tsub/a.txt\tT\ti\t1\t1:00\t1 of 2\n", "the file 'sub/a.txt' is not"},
        {"up\ta.txt\t\ti\t1\t1:00\t1 of 2\n", "the level 'up' has no title"},
        {"up\ta.txt\tT\ti\t101\t1:00\t1 of 2\n", "the difficulty '101' is not a whole number"},
        {"up\ta.txt\tT\ti\t+5\t1:00\t1 of 2\n", "the difficulty '+5' is not"},
        {"up\ta.txt\tT\ti\t5.0\t1:00\t1 of 2\n", "the difficulty '5.0' is not"},
        {"up\ta.txt\tT\ti\t99999999999\t1:00\t1 of 2\n", "the difficulty '99999999999' is not"},
        {"up\ta.txt\tT\ti\t5\t1:60\t1 of 2\n", "the fall time '1:60' is neither"},
        {"up\ta.txt\tT\ti\t5\t1:3\t1 of 2\n", "the fall time '1:3' is neither"},
        {kTown + "\n# the second level\n" + kTown,
         "levels.tsv:4: error: the name 'town' is already"},
    };
    for (const auto& row : rows) {
        const std::string said = refusal(row.text);
        EXPECT_NE(said.find(row.message), std::string::npos) << "manifest:\n"
                                                             << row.text << "said: " << said;
    }
    // The edges of what is accepted, so that the refusals above are not refusing everything.
    const LevelManifest edges = readText(
        "a\ta\tT\t\t0\t0:00\t0 of 0\nz9-\tz.txt\tT\ti\t100\t120:59\tnone\n"
        "h\th.txt\tT\ti\t50\theld\t0 of 9\n");
    EXPECT_EQ(edges.entries()[1].difficulty, 100);
    EXPECT_EQ(edges.entries().back().falls, "held");
}

TEST(LevelManifestTest, TheBundledLadderReadsAndStartsWithTheTown) {
    const std::string folder =
        std::string(ZEMBROOK_LEVEL_FILE).substr(0, std::string(ZEMBROOK_LEVEL_FILE).rfind('/') + 1);
    const LevelManifest manifest = LevelManifest::readFile(folder + "levels.tsv");
    EXPECT_EQ(manifest.entries().front().name, "town");
    EXPECT_EQ(manifest.entries().front().file, "TileMap.txt");
    EXPECT_THROW(LevelManifest::readFile(folder + "no-such-manifest.tsv"), ManifestError);
}

}  // namespace
