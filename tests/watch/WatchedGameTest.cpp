#include <gtest/gtest.h>

#include "WatchedGame.hpp"
#include "app/SilentServices.hpp"
#include "level/RecordedGames.hpp"
#include "support/ParticleRenderer.hpp"

namespace {

struct Shown {
    ParticleRenderer renderer;
    SilentSounds sounds;
    SilentHudRenderer hud;

    Game::Services services() { return {renderer, sounds, hud, renderer.particles}; }
};

// The window's particles draw on the random engine while the game replays; the game must still
// be the one recorded, turret headings and the dice's next number included.
TEST(WatchedGameTest, TheWatchedGameIsTheRecordedOneWhateverTheParticlesDraw) {
    const TileMap level = recorded::town();
    for (std::uint32_t seed = 1; seed <= 2; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        recorded::TimeTraveller traveller;
        recorded::Fingerprinted noted(traveller);
        const GameRecord game = GameRecord::play(level, seed, {20}, noted);

        tk::setRandomSeed(seed);
        Shown shown;
        WatchedGame watched(shown.services(), level);
        watched.replay(game.clicks);
        std::vector<std::uint64_t> seen;
        std::vector<std::string> captions;
        std::size_t mostParticles = 0;
        while (seen.size() < noted.turns.size()) {
            seen.push_back(
                recorded::fingerprint(watched.game().world().getState(), watched.dice()));
            for (std::string& caption : watched.advance()) {
                captions.push_back(std::move(caption));
            }
            mostParticles = std::max(mostParticles, shown.renderer.particles.particleCount());
        }
        EXPECT_EQ(seen, noted.turns);
        EXPECT_GT(mostParticles, 0u);

        MoveCaption named;
        std::vector<std::string> expected;
        for (const RecordedClick& click : game.clicks) {
            if (std::optional<std::string> caption = named.of(click)) {
                expected.push_back(*caption);
            }
        }
        EXPECT_EQ(captions, expected);
    }
}

TEST(WatchedGameTest, TheTitleScreenWaitsForTheClicks) {
    Shown shown;
    WatchedGame watched(shown.services(), recorded::town());
    for (int pass = 0; pass < 120; ++pass) {
        EXPECT_TRUE(watched.advance().empty());
    }
    EXPECT_EQ(watched.game().state(), GameState::Title);
    watched.replay({});
    watched.advance();
    EXPECT_EQ(watched.game().state(), GameState::Playing);
    EXPECT_EQ(watched.game().stepCount(), 1u);
}

}  // namespace
