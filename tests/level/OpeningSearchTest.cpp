#include <gtest/gtest.h>

#include "PlayTestLevels.hpp"
#include "play/OpeningSearch.hpp"

namespace {

std::vector<OpeningResult> tryEvery(const char* text, int jobs, bool skipUnchanged) {
    const TileMap level = playtest::levelOf(text);
    OpeningSearch::Settings settings{8, 200, jobs};
    settings.skipUnchanged = skipUnchanged;
    return OpeningSearch::tryAll(level, OpeningSearch::everyOpening(level), settings,
                                 [](std::size_t) {});
}

bool sameResults(const std::vector<OpeningResult>& a, const std::vector<OpeningResult>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& x, auto& y) {
               return x.opening.code == y.opening.code && x.opening.cell == y.opening.cell &&
                      x.held == y.held && x.stepsHeld == y.stepsHeld;
           });
}

}  // namespace

TEST(OpeningSearchTest, InTheCrowdOnlyAMineUnderTheZombieHoldsEverySeed) {
    const std::vector<OpeningResult> results = tryEvery(playtest::kCrowd, 2, true);
    // Nine cells inside the ring, three buildings each.
    ASSERT_EQ(results.size(), 27u);
    std::vector<OpeningResult> holding;
    std::copy_if(results.begin(), results.end(), std::back_inserter(holding),
                 [](const OpeningResult& result) { return result.held == 8; });
    ASSERT_EQ(holding.size(), 1u);
    EXPECT_EQ(holding[0].opening.code, BuildMine);
    EXPECT_EQ(holding[0].opening.cell, sf::Vector2u(2, 2));
    EXPECT_EQ(OpeningSearch::ranked(results).front().opening.cell, sf::Vector2u(2, 2));
}

// Games an opening cannot touch are taken from the idle game, and the games are spread over
// processes: neither may change a single figure.
TEST(OpeningSearchTest, SkippedGamesAndMoreJobsGiveTheResultsOfPlayingEveryGameInOneProcess) {
    for (const char* level : {playtest::kYard, playtest::kCorridor}) {
        const std::vector<OpeningResult> everyGame = tryEvery(level, 1, false);
        EXPECT_TRUE(sameResults(tryEvery(level, 1, true), everyGame));
        EXPECT_TRUE(sameResults(tryEvery(level, 2, true), everyGame));
    }
}
