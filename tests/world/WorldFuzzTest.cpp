#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "entities/ObjectCode.hpp"
#include "support/TestWorld.hpp"
#include "toolkit/Random.hpp"

// Damaged and random level files must give a playable world: no crash, no runaway memory,
// and the usual invariants after every step.

namespace {

// A level text: a side length, codes and the odd bad token, cut off at a random place.
std::string randomLevelText(std::mt19937& engine) {
    const auto roll = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    static const char* const kOddTokens[] = {"x", "1.5", "-", "+3", "99999999999", "\n\n", "0x4"};
    std::ostringstream text;
    const int kind = roll(0, 99);
    if (kind < 3) {
        text << roll(400, 2000);  // large or refused sizes
    } else if (kind < 6) {
        for (int i = roll(0, 40); i > 0; --i) {
            text << static_cast<char>(roll(1, 127));
        }
    } else {
        text << roll(-3, 12);
    }
    for (int i = roll(0, 200); i > 0; --i) {
        text << (roll(0, 60) == 0 ? kOddTokens[roll(0, 6)] : std::to_string(roll(-2, 8)))
             << (roll(0, 5) == 0 ? '\n' : ' ');
    }
    std::string result = text.str();
    result.resize(static_cast<std::size_t>(roll(0, static_cast<int>(result.size()))));
    return result;
}

void expectSoundState(const TestWorld& test, const std::string& text) {
    const WorldState& state = test.state();
    ASSERT_EQ(state.tileMap.cells.size(),
              static_cast<std::size_t>(state.tileMap.size) * state.tileMap.size)
        << text;
    for (std::int32_t code : state.tileMap.cells) {
        ASSERT_TRUE(code == Floor || code == Block) << text;
    }
    for (const auto* creatures : {&state.zombies, &state.humans}) {
        for (const Creature& creature : *creatures) {
            ASSERT_FALSE(creature.isDead()) << text;
        }
    }
    ASSERT_EQ(test.renderer.trails.size(), state.projectiles.size()) << text;
}

}  // namespace

TEST(WorldFuzzTest, RandomAndTruncatedLevelsBuildWorldsThatRunSafely) {
    std::mt19937 engine(20240601);
    tk::setRandomSeed(99);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = randomLevelText(engine);
        TestWorld test(levels::read(text));
        ASSERT_LE(test.state().tileMap.size, TileMap::kMaxSize) << text;
        const std::uint32_t size = test.state().tileMap.size;
        for (int step = 0; step < 30; ++step) {
            if (step % 10 == 0 && size > 0) {
                const auto cell = [&] {
                    return std::uniform_int_distribution<std::uint32_t>(0, size - 1)(engine);
                };
                test.world.placeObject(cell(), cell(), BuildTurret + step / 10);
            }
            test.step();
            ASSERT_NO_FATAL_FAILURE(expectSoundState(test, text));
        }
        test.world.draw();
    }
}
