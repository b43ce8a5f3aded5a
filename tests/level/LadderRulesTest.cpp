#include <gtest/gtest.h>

#include "report/LadderRules.hpp"

namespace {

// A ladder that keeps every rule: gentle start, each rung harder, no tricks from the third on.
std::vector<RungFigures> goodLadder() {
    return {{13, 80, 2, 800}, {30, 60, 30, 700}, {50, 45, 34, 700}, {85, 90, 0, 500}};
}

}  // namespace

TEST(LadderRulesTest, EachRuleNamesTheRungThatBreaksIt) {
    EXPECT_TRUE(ladderProblems(goodLadder()).empty());
    struct Case {
        const char* rule;
        void (*breakIt)(std::vector<RungFigures>&);
        std::size_t rung;
    };
    const Case cases[] = {
        {"falls too soon", [](auto& l) { l[3].shortestIdleSeconds = 44.9; }, 3},
        {"no harder than before", [](auto& l) { l[2].difficulty = 30; }, 2},
        {"a trick from the third on", [](auto& l) { l[2].openingsHeld = 35; }, 2},
        {"hard start", [](auto& l) { l[0].difficulty = 21; }, 0},
        {"easy end", [](auto& l) { l[3].difficulty = 79; }, 3},
    };
    for (const Case& c : cases) {
        std::vector<RungFigures> ladder = goodLadder();
        c.breakIt(ladder);
        const std::vector<RungProblem> problems = ladderProblems(ladder);
        ASSERT_EQ(problems.size(), 1u) << c.rule;
        EXPECT_EQ(problems[0].rung, c.rung) << c.rule;
    }
}
