#include <gtest/gtest.h>

#include "app/FixedStep.hpp"
#include "entities/GameNumbers.hpp"

namespace {

int stepsRunAfter(sf::Time elapsed, FixedStep& owed) {
    owed.add(elapsed);
    int steps = 0;
    while (owed.stepDue()) {
        owed.consume();
        ++steps;
    }
    return steps;
}

}  // namespace

TEST(FixedStepTest, TheStepIsSixteenThousandSixHundredSixtySixMicroseconds) {
    EXPECT_EQ(TimePerFrame.asMicroseconds(), 16666);
}

TEST(FixedStepTest, ExactlyOneStepOwedRunsNothingUntilTheNextPass) {
    FixedStep owed(TimePerFrame);
    EXPECT_EQ(stepsRunAfter(sf::microseconds(16666), owed), 0);
    EXPECT_EQ(stepsRunAfter(sf::microseconds(1), owed), 1);
}

TEST(FixedStepTest, AOneSecondStallRunsSixtyStepsBeforeTheNextFrame) {
    FixedStep owed(TimePerFrame);
    EXPECT_EQ(stepsRunAfter(sf::seconds(1.f), owed), 60);
    // The remainder is kept, so over many passes no time is lost.
    int total = 60;
    for (int pass = 0; pass < 600; ++pass) {
        total += stepsRunAfter(sf::microseconds(16667), owed);
    }
    EXPECT_NEAR(total, 660, 1);
}
