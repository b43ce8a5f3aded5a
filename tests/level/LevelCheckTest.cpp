#include <gtest/gtest.h>

#include "LevelCheck.hpp"

namespace {

using Severity = Diagnostic::Severity;

struct Expected {
    const char* text;
    Severity severity;
    int line;
    int column;
    const char* says;
};

// A walled 4 x 4 level with one zombie and one human, the frame for most cases below.
const Expected kCases[] = {
    {"  abc\n", Severity::Error, 1, 3, "found 'abc'"},
    {"", Severity::Error, 1, 1, "no side length"},
    {"\n 2\n1 1 1 1\n", Severity::Error, 2, 2, "below 3"},
    {"513", Severity::Error, 1, 1, "above 512"},
    {"-4", Severity::Error, 1, 1, "negative"},
    {"4\n1 1 1 1\n1 2 3 1\n1 0 x 1\n1 1 1 1\n", Severity::Error, 4, 5, "stops reading here"},
    {"4\n1 1 1 1\n1 2 3 1\n1 0 1.5 1\n1 1 1 1\n", Severity::Error, 4, 6, "found '.5'"},
    {"4\n1 1 1 1\n1 2 3 1\n1 0 0 1\n1 1 1\n", Severity::Error, 5, 6, "fills in the remaining 1"},
    {"4\n1 1 1 1\n1 2 3 1\n1 0 0 1\n1 1 0 1\n", Severity::Error, 5, 5, "outer ring"},
    {"4\n1 1 1 1\n1 2 3 1\n1 0 0 1\n1 1 1 1\n\n  0 0\n", Severity::Warning, 7, 3,
     "2 values beyond the 16"},
    {"4\n1 1 1 1\n1 2 3 1\n1 0 9 1\n1 1 1 1\n", Severity::Warning, 4, 5, "unknown cell code 9"},
    {"4\n1 1 1 1\n1 2 0 1\n1 0 0 1\n1 1 1 1\n", Severity::Warning, 1, 1, "no human"},
    {"4\n1 1 1 1\n1 3 0 1\n1 0 0 1\n1 1 1 1\n", Severity::Warning, 1, 1, "no zombie"},
    {"3\n1 1 1\n1 0 1\n1 1 1\n", Severity::Warning, 1, 1, "no human"},
    {"3\n1 1 1\n1 0 1\n1 1 1\n", Severity::Warning, 1, 1, "no zombie"},
};

TEST(LevelCheckTest, EachFindingPointsAtTheTokenTheGameStumblesOn) {
    for (const Expected& expected : kCases) {
        SCOPED_TRACE(expected.text);
        const LevelReport report = LevelCheck::checkText(expected.text);
        const auto found = std::find_if(
            report.diagnostics.begin(), report.diagnostics.end(), [&](const Diagnostic& d) {
                return d.message.find(expected.says) != std::string::npos;
            });
        ASSERT_NE(found, report.diagnostics.end());
        EXPECT_EQ(found->severity, expected.severity);
        EXPECT_EQ(found->line, expected.line);
        EXPECT_EQ(found->column, expected.column);
    }
}

TEST(LevelCheckTest, ASideAbove23RunsUnderTheMenusButIsRead) {
    std::string text = "24\n";
    for (int cell = 0; cell < 24 * 24; ++cell) {
        const bool ring = cell < 24 || cell >= 23 * 24 || cell % 24 == 0 || cell % 24 == 23;
        text += cell == 25 ? "2 " : cell == 26 ? "3 " : ring ? "1 " : "0 ";
    }
    const LevelReport report = LevelCheck::checkText(text);
    ASSERT_EQ(report.diagnostics.size(), 1u);
    EXPECT_EQ(report.diagnostics[0].severity, Severity::Warning);
    EXPECT_NE(report.diagnostics[0].message.find("build menu and the timeline"), std::string::npos);
    EXPECT_FALSE(report.hasErrors());
}

TEST(LevelCheckTest, TheDefaultLevelIsCleanAndCountedAsTheGamePlacesIt) {
    const LevelReport report = LevelCheck::checkFile(ZEMBROOK_LEVEL_FILE);
    EXPECT_TRUE(report.diagnostics.empty());
    ASSERT_TRUE(report.map);
    EXPECT_EQ(formatSummary("TileMap.txt", report),
              "TileMap.txt: 22 x 22, 3 zombies, 43 humans, 1 turret, 1 barricade, 4 mines: "
              "no errors, no warnings");
}

TEST(LevelCheckTest, AFileThatCannotBeReadIsNamedWithoutAPosition) {
    const LevelReport report = LevelCheck::checkFile("/nonexistent/Level.txt");
    ASSERT_EQ(report.diagnostics.size(), 1u);
    EXPECT_EQ(formatDiagnostic("/nonexistent/Level.txt", report.diagnostics[0]),
              "/nonexistent/Level.txt: error: cannot read '/nonexistent/Level.txt': No such file "
              "or directory");
    EXPECT_FALSE(report.map);
}

}  // namespace
