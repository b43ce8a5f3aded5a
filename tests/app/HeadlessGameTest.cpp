#include <gtest/gtest.h>

#include <random>

#include "app/HeadlessGame.hpp"
#include "support/Levels.hpp"
#include "support/StateHash.hpp"
#include "toolkit/Random.hpp"

namespace {

// Zombies in a walled yard, humans outside it, and room to build between them.
TileMap yard() {
    return levels::read(levels::walledText(14, [](int row, int column) {
        if (row == 4 && column < 9) {
            return 1;
        }
        if (row < 4 && column % 3 == 1) {
            return 2;
        }
        return row > 9 && column % 2 == 0 ? 3 : 0;
    }));
}

// Everything the window shows of a game, and the next number the game's dice would give.
std::uint64_t fingerprint(const HeadlessGame& game) {
    StateHash hash;
    hash.add(game.worldState());
    hash.add(std::uint64_t{game.gold()});
    hash.add(std::uint64_t{game.stepCount()});
    hash.add(std::uint64_t{game.isLost()});
    for (const TimelineButton& button : game.hud().getTimelineButtons()) {
        hash.add(static_cast<std::uint64_t>(button.summary.timePoint.index));
        hash.add(std::uint64_t{button.summary.valid});
        hash.add(button.summary.zombieRatio);
        hash.add(std::uint64_t{button.current});
    }
    hash.addNextRandomNumber();
    return hash.value();
}

// Steps on, building a turret (which draws its heading from the dice) and a mine on the way.
void playOn(HeadlessGame& game, int steps) {
    for (int step = 0; step < steps; ++step) {
        if (step == 30) {
            game.chooseBuilding(BuildTurret);
            game.clickCell(6, 7);
        }
        if (step == 200) {
            game.chooseBuilding(BuildMine);
            game.clickCell(3, 6);
        }
        game.dispatch();
    }
}

}  // namespace

// A copy made at any moment, on the title screen, in play with shots in flight, or just after a
// jump back, plays on exactly as the game it copies, draws nothing from the dice when it is
// made, and leaves the original alone while it plays.
TEST(HeadlessGameTest, ACopyPlaysOnExactlyAsTheGameItCopiesAndLeavesItAlone) {
    struct Moment {
        const char* name;
        int steps;     // played before the copy is made
        int jumpBack;  // time points gone back just before, 0 for none
    };
    const Moment moments[] = {{"title", -1, 0}, {"playing", 1500, 0}, {"back", 2400, 3}};
    for (const Moment& moment : moments) {
        SCOPED_TRACE(moment.name);
        tk::setRandomSeed(5);
        HeadlessGame original(yard());
        if (moment.steps >= 0) {
            original.start();
            playOn(original, moment.steps);
        }
        if (moment.jumpBack > 0) {
            const TimePoint present{static_cast<std::int32_t>(original.stepCount() / 180)};
            ASSERT_TRUE(original.clickTimePoint(TimePoint{present.index - moment.jumpBack}));
        }
        const std::uint64_t before = fingerprint(original);
        HeadlessGame copy(original);
        EXPECT_EQ(fingerprint(original), before);
        EXPECT_EQ(fingerprint(copy), before);

        const std::mt19937 dice = tk::randomEngine();
        copy.start();
        playOn(copy, 900);
        tk::randomEngine() = dice;
        EXPECT_EQ(fingerprint(original), before) << "the original, while its copy played";
        ASSERT_FALSE(original.isLost());
        original.start();
        playOn(original, 900);
        EXPECT_EQ(fingerprint(original), fingerprint(copy));
    }
}
