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

// The ladder's survey gives up an opening far from the outbreak at its first seed lost: the
// openings it counts as holding every seed, and those it hands the searching player, must be
// those of trying every opening on every seed.
TEST(OpeningSearchTest, TheSurveyCountsAndRanksAsTryingEveryOpeningDoes) {
    for (const char* text : {playtest::kCrowd, playtest::kYard}) {
        const TileMap level = playtest::levelOf(text);
        const OpeningSearch::Settings settings{8, 200, 2};
        const OpeningSearch::Survey survey = OpeningSearch::survey(level, settings);
        const std::vector<OpeningResult> every = tryEvery(text, 2, true);
        EXPECT_EQ(survey.tried, static_cast<int>(every.size()));
        EXPECT_EQ(survey.heldEverySeed,
                  std::count_if(every.begin(), every.end(), [](auto& r) { return r.held == 8; }));
        const auto near = OpeningSearch::nearTheOutbreak(level, 8);
        EXPECT_TRUE(sameResults(survey.nearTheOutbreak,
                                OpeningSearch::tryAll(level, near, settings, [](std::size_t) {})));
    }
}
