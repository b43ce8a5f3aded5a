#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "soak/PlayReferee.hpp"
#include "soak/RandomPlayer.hpp"
#include "toolkit/Random.hpp"

// Long random play through the real rules of play, with real particles, checking after every
// command the bounds that must hold however long the game goes on. A short run is part of the
// test suite; ZEMBROOK_SOAK_STEPS=216000 plays an hour of game time per level, and
// ZEMBROOK_SOAK_SEED picks another game.

namespace {

constexpr std::uint64_t kShortRunSteps = 20'000;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return *end == '\0' && value > 0 ? value : fallback;
}

// The process's peak resident memory as the kernel reports it.
std::string peakMemory() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return line.substr(line.find_first_not_of(" \t", 6));
        }
    }
    return "unknown";
}

struct SoakRun {
    PlayTally tally;
    double seconds = 0.0;
    std::size_t peakParticles = 0;
    std::string failure;
};

// Plays game after game on one level until the steps are simulated or a rule breaks.
SoakRun soak(const TileMap& level, std::uint64_t steps, std::uint32_t seed) {
    tk::setRandomSeed(seed);
    RandomPlayer player(seed);
    SoakRun run;
    std::unique_ptr<PlayReferee> referee;
    const auto start = std::chrono::steady_clock::now();
    while (run.tally.steps < steps) {
        if (!referee) {
            referee = std::make_unique<PlayReferee>(level, run.tally);
        }
        const bool open = player.move(*referee);
        run.peakParticles = std::max(run.peakParticles, referee->peakParticles());
        if (!referee->failure().empty()) {
            run.failure = referee->failure();
            break;
        }
        if (!open) {
            referee.reset();
        }
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

void report(const std::string& name, const SoakRun& run) {
    const PlayTally& t = run.tally;
    std::cout << "[soak] " << name << ": " << t.steps << " steps in " << run.seconds << " s ("
              << static_cast<double>(t.steps) / run.seconds << " steps/s), " << t.games
              << " games, " << t.clicks << " clicks; jumps back " << t.jumpsBack << ", forward "
              << t.jumpsForward << " (into game over " << t.jumpsIntoGameOver << "), refused "
              << t.jumpsRefused << "; buildings placed " << t.buildingsPlaced << ", refused "
              << t.buildingsRefused << "; peak particles " << run.peakParticles
              << "; peak memory so far " << peakMemory() << std::endl;
}

void soakLevel(const std::string& name, const TileMap& level) {
    const std::uint64_t steps = fromEnvironment("ZEMBROOK_SOAK_STEPS", kShortRunSteps);
    const auto seed = static_cast<std::uint32_t>(fromEnvironment("ZEMBROOK_SOAK_SEED", 1));
    const SoakRun run = soak(level, steps, seed);
    report(name, run);
    ASSERT_EQ(run.failure, "") << "on the " << name << " with ZEMBROOK_SOAK_SEED=" << seed;
    // A run that never reached these places proves nothing about them.
    EXPECT_GT(run.tally.jumpsBack, 0u);
    EXPECT_GT(run.tally.jumpsForward, 0u);
    EXPECT_GT(run.tally.jumpsRefused, 0u);
    EXPECT_GT(run.tally.buildingsPlaced, 0u);
    EXPECT_GT(run.tally.buildingsRefused, 0u);
}

TileMap defaultLevel() {
    TileMap level;
    level.load(ZEMBROOK_SOURCE_DIR "/levels/TileMap.txt");
    return level;
}

}  // namespace

TEST(SoakTest, DefaultLevelKeepsEveryBoundThroughLongRandomPlay) {
    const TileMap level = defaultLevel();
    ASSERT_EQ(level.size, 22u);
    soakLevel("default level", level);
}

TEST(SoakTest, DenseLevelKeepsEveryBoundThroughLongRandomPlay) {
    soakLevel("dense level", levels::read(levels::denseStressText()));
}

// The referee and the ledger must be able to fail, or a quiet soak would mean nothing.
TEST(SoakTest, RefereeNoticesGoldFromNowhereAndATrailLeftBehind) {
    PlayTally tally;
    PlayReferee goldReferee(levels::arena(), tally);
    goldReferee.click({500.f, 500.f});
    goldReferee.dispatch();
    ASSERT_EQ(goldReferee.failure(), "");
    goldReferee.session().world.addGold(5);
    goldReferee.dispatch();
    EXPECT_NE(goldReferee.failure().find("gold changed outside any command"), std::string::npos)
        << goldReferee.failure();

    Projectile stray({100.f, 100.f}, 0.f);
    PlayReferee trailReferee(levels::arena(), tally);
    trailReferee.click({500.f, 500.f});
    trailReferee.session().renderer.attachTrail(stray);
    trailReferee.dispatch();
    EXPECT_NE(trailReferee.failure().find("1 trails for 0 projectiles"), std::string::npos)
        << trailReferee.failure();
    stray.emitterConnection.disconnect();
}
