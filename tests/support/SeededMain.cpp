#include <gtest/gtest.h>

#include "toolkit/Random.hpp"

namespace {

// Creatures and turrets take random headings, so every test starts the one engine from the
// same seed: a test then sees the same draws whether run alone, in a suite or repeated.
class SeedEachTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { tk::setRandomSeed(20261207); }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // The listener list owns what it is given and deletes it at exit.
    testing::UnitTest::GetInstance()->listeners().Append(new SeedEachTest);
    return RUN_ALL_TESTS();
}
