#include <gtest/gtest.h>

#include "ChooserOptions.hpp"
#include "console/UsageError.hpp"

namespace {

TEST(ChooserOptionsTest, NamesAMissingOrEmptyValueAndTakesOneFileAfterTheOptions) {
    const std::vector<std::string> both = {"--launcher=/g/zembrook", "--data", "/d"};
    const auto with = [&both](std::vector<std::string> more) {
        more.insert(more.begin(), both.begin(), both.end());
        return more;
    };
    const ChooserOptions taken = ChooserOptions::parse(with({"--", "--own.txt"}));
    EXPECT_EQ(taken.launcher + " " + taken.data + " " + taken.file.value_or(""),
              "/g/zembrook /d --own.txt");
    EXPECT_TRUE(ChooserOptions::parse({"-h"}).help);  // help needs nothing else
    for (const auto& [words, mistake] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--data", "/d"}, "--launcher is missing"},
             {{"--launcher", "", "--data", "/d"}, "--launcher needs a value"},
             {with({"--", ""}), "the level file name is empty"},
             {with({"a", "b"}), "one level file at most, but both 'a' and 'b' were given"},
             {with({"--choose"}), "the chooser has no option --choose"}}) {
        try {
            ChooserOptions::parse(words);
            ADD_FAILURE() << "taken: " << mistake;
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), mistake);
        }
    }
}

}  // namespace
