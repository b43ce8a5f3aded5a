#include <gtest/gtest.h>

#include "ChooserOptions.hpp"
#include "console/UsageError.hpp"

namespace {

// What the launcher hands over, in either form an option may take, and each mistake named.
TEST(ChooserOptionsTest, TakesTheLaunchersWordsAndNamesEachMistake) {
    struct Case {
        std::vector<std::string> words;
        std::string mistake;  // empty when the words are taken
        std::string file;     // the level file to play first, if any
    };
    const std::vector<Case> cases = {
        {{"--launcher", "/g/zembrook", "--data", "/d"}, "", ""},
        {{"--launcher=/g/zembrook", "--data=/d", "--", "--own.txt"}, "", "--own.txt"},
        {{"--data", "/d", "-", "--launcher", "/g/zembrook"}, "", "-"},
        {{"--data", "/d"}, "--launcher is missing", ""},
        {{"--launcher", "/g/zembrook"}, "--data is missing", ""},
        {{"--launcher", "", "--data", "/d"}, "--launcher needs a value", ""},
        {{"--launcher", "/g/zembrook", "--data"}, "--data needs a value", ""},
        {{"--launcher", "/g/zembrook", "--data", "/d", "--", ""},
         "the level file name is empty",
         ""},
        {{"--launcher", "/g/zembrook", "--data", "/d", "a", "b"},
         "one level file at most, but both 'a' and 'b' were given",
         ""},
        {{"--launcher", "/g/zembrook", "--data", "/d", "--choose"},
         "the chooser has no option --choose",
         ""},
    };
    for (const Case& given : cases) {
        try {
            const ChooserOptions options = ChooserOptions::parse(given.words);
            EXPECT_EQ(given.mistake, "");
            EXPECT_EQ(options.launcher, "/g/zembrook");
            EXPECT_EQ(options.data, "/d");
            EXPECT_EQ(options.file.value_or(""), given.file);
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), given.mistake);
        }
    }
    // Help needs nothing else.
    EXPECT_TRUE(ChooserOptions::parse({"--help"}).help);
    EXPECT_TRUE(ChooserOptions::parse({"-h"}).help);
}

}  // namespace
