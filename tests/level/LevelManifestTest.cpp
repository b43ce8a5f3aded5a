#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "levelformat/LevelManifest.hpp"

namespace {

const std::string kTown =
    "town\tTileMap.txt\tThe Town\tThree zombies penned in a yard\t13\t1:43\t2 of 837\n";
const std::string kDocks = "docks\tdocks.txt\tThe Docks\tA crowd on the quay\t40\t0:55\t1 of 90\n";

// A name with a NUL and the start of a colour in it.
const char kHostile[] = "sm\0al\x1B[31m\ta\tT\ti\t1\t1:00\t1 of 2\n";

LevelManifest readText(const std::string& text) {
    return LevelManifest::read(text, "levels.tsv");
}

std::string refusal(const std::string& text) {
    try {
        readText(text);
    } catch (const ManifestError& error) {
        return error.what();
    }
    return "(read without complaint)";
}

// The rows every program must take alike, shared with the launcher's and the build's test: a
// verdict ("ok", or what the reader says of line 3), a name, a file and the line ends.
TEST(LevelManifestTest, EveryProgramsRowsOfNamesAndFilesAreTakenOrRefusedAsTheTableSays) {
    std::ifstream table(ZEMBROOK_MANIFEST_ROWS);
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        std::string verdict, name, file, ends;
        std::istringstream fields(line);
        if (line.front() == '#' || !std::getline(fields, verdict, '\t') ||
            !std::getline(fields, name, '\t') || !std::getline(fields, file, '\t') ||
            !std::getline(fields, ends)) {
            continue;
        }
        ++rows;
        const std::string end = ends == "CRLF" ? "\r\n" : "\n";
        const std::string manifest = "# the ladder" + end + kTown.substr(0, kTown.size() - 1) +
                                     end + name + "\t" + file + "\tNext\tidea\t20\t1:00\t0 of 9" +
                                     end;
        const std::string said = refusal(manifest);
        if (verdict != "ok") {
            EXPECT_EQ(said.rfind("levels.tsv:3: error: " + verdict, 0), 0u) << said;
            continue;
        }
        ASSERT_EQ(said, "(read without complaint)") << name << " in " << file;
        const LevelManifest read = readText(manifest);
        const LevelEntry& entry = read.entries().back();
        EXPECT_EQ(entry.name + " " + entry.file + " " + entry.openings,
                  name + " " + file + " 0 of 9");
    }
    EXPECT_GE(rows, 10) << "no table in " << ZEMBROOK_MANIFEST_ROWS;
}

TEST(LevelManifestTest, LevelsComeInLadderOrderPastCommentsBlankLinesAndDosLineEnds) {
    const LevelManifest manifest =
        readText("# name\tfile\ttitle\tidea\tdifficulty\tfalls\topenings\n\n" + kTown + " \t \r\n" +
                 kDocks.substr(0, kDocks.size() - 1) + "\r\n");
    ASSERT_EQ(manifest.entries().size(), 2u);
    EXPECT_EQ(manifest.entries()[0].name, "town");
    const LevelEntry* docks = manifest.find("docks");
    ASSERT_EQ(docks, &manifest.entries()[1]);
    EXPECT_EQ(docks->file, "docks.txt");
    EXPECT_EQ(docks->idea, "A crowd on the quay");
    EXPECT_EQ(docks->difficulty, 40);
    EXPECT_EQ(docks->openings, "1 of 90");
    EXPECT_EQ(docks->line, 5);
    EXPECT_EQ(manifest.find("dock"), nullptr);
}

TEST(LevelManifestTest, AMalformedLineIsOneFindingOnItsLineQuotedPrintably) {
    const struct {
        std::string text;
        int line;
        std::string message;
    } rows[] = {
        {"", 0, "names no level"},
        {"# only a comment\r\n", 0, "names no level"},
        {"town\tTileMap.txt\tThe Town\n", 1, "3 tab-separated columns"},
        {kTown.substr(0, kTown.size() - 1) + "\textra\n", 1, "8 tab-separated"},
        {"town TileMap.txt\tThe Town\tidea\t13\t1:43\t2 of 837\n", 1, "6 tab-separated"},
        {"2nd\ta.txt\tT\ti\t1\t1:00\t1 of 2\n", 1, "the name '2nd' is not"},
        {"up\ta.txt\t\ti\t1\t1:00\t1 of 2\n", 1, "the level 'up' has no title"},
        {"up\ta.txt\tT\ti\t101\t1:00\t1 of 2\n", 1, "the difficulty '101' is not a whole number"},
        {"up\ta.txt\tT\ti\t+5\t1:00\t1 of 2\n", 1, "the difficulty '+5' is not"},
        {"up\ta.txt\tT\ti\t5.0\t1:00\t1 of 2\n", 1, "the difficulty '5.0' is not"},
        {"up\ta.txt\tT\ti\t99999999999\t1:00\t1 of 2\n", 1, "the difficulty '99999999999' is not"},
        {"up\ta.txt\tT\ti\t5\t1:60\t1 of 2\n", 1, "the fall time '1:60' is neither"},
        {"up\ta.txt\tT\ti\t5\t1:3\t1 of 2\n", 1, "the fall time '1:3' is neither"},
        {kTown + "\n# the second level\n" + kTown, 4, "the name 'town' is already"},
        // A byte that would work the terminal, or end a C string, is quoted as its escape.
        {std::string(kHostile, sizeof kHostile - 1), 1, "the name 'sm\\x00al\\x1B[31m' is not"},
        {"up\t" + std::string(200, 'x') + "/\tT\ti\t1\t1:00\t1 of 2\n", 1,
         "the file '" + std::string(40, 'x') + "...' is not"},
    };
    for (const auto& row : rows) {
        try {
            readText(row.text);
            ADD_FAILURE() << "read without complaint:\n" << row.text;
        } catch (const ManifestError& error) {
            EXPECT_EQ(error.file(), "levels.tsv");
            EXPECT_EQ(error.diagnostic().line, row.line) << error.what();
            EXPECT_EQ(error.diagnostic().message.rfind(row.message, 0), 0u) << error.what();
            // One prefix, as a compiler writes it: the file, the line when there is one.
            const std::string place =
                row.line > 0 ? "levels.tsv:" + std::to_string(row.line) + ": " : "levels.tsv: ";
            EXPECT_EQ(std::string(error.what()), place + "error: " + error.diagnostic().message);
        }
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
    const LevelManifest bundled = LevelManifest::readFile(folder + "levels.tsv");
    EXPECT_EQ(bundled.entries().front().name, "town");
    EXPECT_EQ(bundled.entries().front().file, "TileMap.txt");
    std::ostringstream bytes;
    bytes << std::ifstream(folder + "levels.tsv").rdbuf();
    EXPECT_EQ(bundled.text(), bytes.str());
    EXPECT_THROW(LevelManifest::readFile(folder + "no-such-manifest.tsv"), ManifestError);
}

}  // namespace
