#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "assets/TempFolder.hpp"
#include "levelformat/LevelCheck.hpp"

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
    {"4\n1 1 1 1\n1 2 3 1\n1 0 1.5 1\n1 1 1 1\n", Severity::Error, 4, 6,
     "read as 1 from '1.5'; the rest, '.5', stops"},
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
    EXPECT_EQ(report.summary(),
              "22 x 22, 3 zombies, 43 humans, 1 turret, 1 barricade, 4 mines: no errors, no "
              "warnings");
}

TEST(LevelCheckTest, AFileThatCannotBeReadIsNamedWithoutAPosition) {
    const LevelReport report = LevelCheck::checkFile("/nonexistent/Level.txt");
    ASSERT_EQ(report.diagnostics.size(), 1u);
    EXPECT_EQ(report.diagnostics[0].line, 0);
    EXPECT_EQ(report.diagnostics[0].message,
              "cannot read '/nonexistent/Level.txt': No such file or directory");
    EXPECT_FALSE(report.map);
}

// Files made to hurt: endless or huge ones are refused unread, and every byte of one quoted
// in a message reaches the terminal as something it shows rather than obeys.
TEST(LevelCheckTest, HostileFilesAreRefusedOrQuotedInPrintableBytes) {
    const TempFolder folder("hostile");
    const auto file = [&folder](const std::string& name, const std::string& text) {
        const std::string path = (folder.path / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    };
    const auto sparse = [&file](const std::string& name, std::size_t size) {
        const std::string path = file(name, "");
        std::filesystem::resize_file(path, size);
        return path;
    };
    // The checker gets a pipe of its own that holds more than the limit.
    FILE* const pipe = ::popen("head -c 67108865 /dev/zero", "r");
    ASSERT_NE(pipe, nullptr);
    const std::string tooLarge = "the file holds more than 64 MiB";
    const std::pair<std::string, std::string> kHostile[] = {
        {"/dev/zero", tooLarge},
        {"/dev/fd/" + std::to_string(::fileno(pipe)), tooLarge},
        {sparse("over.txt", LevelCheck::kLargestFile + 1), tooLarge},
        {sparse("limit.txt", LevelCheck::kLargestFile), "found '\\x00\\x00"},
        {file("bom.txt",
              "\xEF\xBB\xBF"
              "5\n"),
         "found a UTF-8 byte order mark, which the game does not skip, before '5'"},
        {file("exponent.txt", "1e9\n"),
         "the side is read as 1 from '1e9'; the rest, 'e9', stops the reading"},
        {file("suffix.txt", "4\n1 1 1 1\n1 2x"),
         "the cell code is read as 2 from '2x'; the rest, 'x', stops the reading"},
        {file("colour.txt", "4\n\x1B[31mred"), "found '\\x1B[31mred'"},
        {file("nul.txt", std::string("4\n\0\t", 4)), "found '\\x00'"},
        {file("bytes.txt", "4\n\x7F\xFF\xC0\xAF\xC2\x9B\xE2\x80\xAE\xC3\xA9"),
         "found '\\x7F\\xFF\\xC0\\xAF\\xC2\\x9B\\xE2\\x80\\xAE\xC3\xA9'"},
    };
    for (const auto& [path, says] : kHostile) {
        SCOPED_TRACE(path);
        std::string messages;
        for (const Diagnostic& diagnostic : LevelCheck::checkFile(path).diagnostics) {
            messages += diagnostic.message + "\n";
        }
        EXPECT_NE(messages.find(says), std::string::npos) << messages;
    }
    ::pclose(pipe);
}

}  // namespace
