#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/ParticleRenderer.hpp"
#include "support/StateHash.hpp"
#include "support/TestSession.hpp"
#include "toolkit/Random.hpp"

// Whole games played the same way must end in the same state, bit for bit, whatever is done to
// make the simulation faster. The fingerprints below were taken from the simulation before any
// speed work; a change that moves one has changed the game, not just its speed.

namespace {

using ParticleSession = BasicTestSession<ParticleRenderer>;

// 96 seconds of play: 32 time points, the whole timeline behind the present.
constexpr int kSteps = 5760;

sf::Vector2f centreOf(const sf::FloatRect& bounds) {
    return {bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f};
}

void build(ParticleSession& game, std::int32_t code, float column, float row) {
    for (const BuildEntry& entry : game.hud.getBuildEntries()) {
        if (entry.code == code) {
            const sf::Vector2f at = centreOf(entry.bounds);
            game.click(at.x, at.y);
        }
    }
    game.click((column + 0.5f) * kTileSize, (row + 0.5f) * kTileSize);
}

// A jump the bar may no longer offer once the game is over; then nothing happens.
void jump(ParticleSession& game, std::int32_t timePoint) {
    const sf::Vector2f at = game.buttonOf(TimePoint{timePoint});
    if (at.x >= 0.f) {
        game.click(at.x, at.y);
    }
}

// A player's few moves, each before the numbered pass of the loop: a turret, a mine and a
// barricade bought as gold comes in, a jump three time points back, then two forward again,
// which the simulation plays through silently.
void play(ParticleSession& game, int pass) {
    switch (pass) {
        case 300:
            build(game, BuildTurret, 5, 5);
            break;
        case 1500:
            build(game, BuildMine, 10, 10);
            break;
        case 2000:
            build(game, BuildBarricade, 8, 3);
            break;
        case 3601:
            jump(game, 17);
            break;
        case 3700:
            jump(game, 19);
            break;
        default:
            break;
    }
}

std::uint64_t fingerprintOfGame(const std::string& levelText, std::uint32_t seed) {
    tk::setRandomSeed(seed);
    auto game = std::make_unique<ParticleSession>(levels::read(levelText));
    game->click(0.f, 0.f);  // leaves the title screen
    for (int pass = 1; pass <= kSteps; ++pass) {
        play(*game, pass);
        game->session().dispatch();
    }
    StateHash hash;
    hash.add(game->world);
    hash.add(game->renderer.particles);
    hash.add(std::uint64_t{game->stepCount});
    hash.add(static_cast<std::uint64_t>(game->state));
    hash.add(static_cast<std::uint64_t>(game->history.currentTimePoint().index));
    hash.addNextRandomNumber();
    return hash.value();
}

struct Fingerprint {
    const char* level;
    std::string (*text)();
    std::uint32_t seed;
    std::uint64_t expected;
};

}  // namespace

TEST(StateHashTest, WholeGamesEndInTheStateTheyAlwaysReached) {
    const Fingerprint fingerprints[] = {
        {"town", levels::townText, 1, 14462434449423041118u},
        {"town", levels::townText, 20261208, 11179076358909676158u},
        {"town", levels::townText, 4242, 18032215085071623610u},
        {"dense", levels::denseStressText, 1, 10833319317046044811u},
        {"dense", levels::denseStressText, 20261208, 5835538886243190785u},
        {"dense", levels::denseStressText, 4242, 15095814035809643484u},
        {"fortified", levels::fortifiedText, 1, 6838350407975718699u},
        {"fortified", levels::fortifiedText, 20261208, 13831622109359716200u},
        {"fortified", levels::fortifiedText, 4242, 11717339549002081614u},
    };
    for (const Fingerprint& fingerprint : fingerprints) {
        EXPECT_EQ(fingerprintOfGame(fingerprint.text(), fingerprint.seed), fingerprint.expected)
            << fingerprint.level << " level, seed " << fingerprint.seed;
    }
}
