#include <gtest/gtest.h>

#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"

namespace {

// A command with one option of each kind, as simulate and render declare theirs.
struct Parsed {
    long seeds = 8;
    bool csv = false;
    std::string assets;
    std::vector<std::string> players;
    std::vector<std::string> files;
};

Parsed parse(const std::vector<std::string>& words) {
    Parsed parsed;
    const OptionParser parser("simulate", {
                                              {"--seeds", WholeNumber{&parsed.seeds, 1, 100000}},
                                              {"--csv", &parsed.csv},
                                              {"--assets", &parsed.assets},
                                              {"--player", &parsed.players},
                                          });
    parsed.files = parser.parse(words);
    return parsed;
}

TEST(OptionParserTest, ValuesLandWhereTheTableSaysAndNothingAfterTwoDashesIsAnOption) {
    const Parsed parsed = parse({"a.txt", "--seeds", "007", "--csv", "--assets=x=y", "--player",
                                 "idle", "--player=greedy", "--", "--csv", "-"});
    EXPECT_EQ(parsed.seeds, 7);
    EXPECT_TRUE(parsed.csv);
    EXPECT_EQ(parsed.assets, "x=y");
    EXPECT_EQ(parsed.players, (std::vector<std::string>{"idle", "greedy"}));
    EXPECT_EQ(parsed.files, (std::vector<std::string>{"a.txt", "--csv", "-"}));
    EXPECT_EQ(parse({"--seeds=100000"}).seeds, 100000);
    EXPECT_EQ(parse({"--seeds", "1"}).seeds, 1);
}

// Only plain digits are a whole number: a value a reader could take two ways is refused with
// its range named, never read as far as it goes.
TEST(OptionParserTest, AnythingButPlainDigitsInRangeIsAMistakeNamedInTheMessage) {
    const std::pair<std::vector<std::string>, std::string> kMistakes[] = {
        {{"--seeds", "1e3"}, "--seeds takes a whole number from 1 to 100000, not '1e3'"},
        {{"--seeds", "0x10"}, "not '0x10'"},
        {{"--seeds", " 3"}, "not ' 3'"},
        {{"--seeds", "3 "}, "not '3 '"},
        {{"--seeds", "+3"}, "not '+3'"},
        {{"--seeds", "-3"}, "not '-3'"},
        {{"--seeds", "2.0"}, "not '2.0'"},
        {{"--seeds", ""}, "not ''"},
        {{"--seeds", "0"}, "not '0'"},
        {{"--seeds", "100001"}, "not '100001'"},
        {{"--seeds", "99999999999999999999999"}, "not '99999999999999999999999'"},
        {{"a.txt", "--seeds"}, "--seeds needs a value"},
        {{"--csv=yes"}, "--csv takes no value"},
        {{"--strict"}, "simulate has no option --strict"},
        {{"-s"}, "simulate has no option -s"},
    };
    for (const auto& [words, says] : kMistakes) {
        SCOPED_TRACE(says);
        try {
            parse(words);
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& mistake) {
            EXPECT_NE(std::string(mistake.what()).find(says), std::string::npos) << mistake.what();
        }
    }
}

}  // namespace
