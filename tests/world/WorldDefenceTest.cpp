#include <gtest/gtest.h>

#include "support/TestWorld.hpp"

// Turrets, mines and projectiles: the World's phases after the creature pass.

namespace {

const sf::Vector2f kTurretPlace(450.f, 450.f);

// A turret facing up with the given zombies around it.
void placeTurret(TestWorld& test, std::initializer_list<Creature> zombies) {
    test.arrange([&](WorldState& state) {
        state.turrets.emplace_back(kTurretPlace, -90.f);
        state.zombies.assign(zombies);
    });
}

}  // namespace

TEST(WorldDefenceTest, TurretRangeIsStrictlyBelow150Pixels) {
    TestWorld outOfRange;
    placeTurret(outOfRange, {zombieAt(kTurretPlace + sf::Vector2f(90.f, 120.f))});
    outOfRange.world.updateTurrets(TimePerFrame);
    EXPECT_TRUE(outOfRange.state().projectiles.empty());
    EXPECT_EQ(outOfRange.state().turrets[0].cooldown, sf::Time::Zero);

    TestWorld inRange;
    placeTurret(inRange, {zombieAt(kTurretPlace + sf::Vector2f(0.f, 149.9f))});
    inRange.world.updateTurrets(TimePerFrame);
    ASSERT_EQ(inRange.state().projectiles.size(), 1u);
    EXPECT_NEAR(inRange.state().turrets[0].rotation, 90.f, 1e-4f);
    EXPECT_EQ(inRange.state().turrets[0].cooldown, sf::microseconds(454545));
    EXPECT_EQ(inRange.sounds.played, std::vector<std::string>{"turret-shoot.wav"});
}

TEST(WorldDefenceTest, TheEarlierOfTwoEquallyNearZombiesIsTheTarget) {
    TestWorld test;
    placeTurret(test, {zombieAt(kTurretPlace + sf::Vector2f(0.f, -100.f)),
                       zombieAt(kTurretPlace + sf::Vector2f(-100.f, 0.f)),
                       zombieAt(kTurretPlace + sf::Vector2f(100.f, 0.f))});
    test.world.updateTurrets(TimePerFrame);
    EXPECT_NEAR(test.state().turrets[0].rotation, -90.f, 1e-4f);
}

TEST(WorldDefenceTest, ATargetOnTheTurretsCentreLeavesItsAimAlone) {
    TestWorld test;
    placeTurret(test, {zombieAt(kTurretPlace)});
    test.world.updateTurrets(TimePerFrame);
    EXPECT_EQ(test.state().turrets[0].rotation, -90.f);
    ASSERT_EQ(test.state().projectiles.size(), 1u);
    EXPECT_EQ(test.state().projectiles.front().rotation, -90.f);
}

TEST(WorldDefenceTest, TurretFiresOnEntryAndThenEvery28Steps) {
    TestWorld test;
    placeTurret(test, {});
    std::vector<int> shotSteps;
    for (int step = 1; step <= 80; ++step) {
        if (step == 10) {
            test.arrange([](WorldState& state) {
                Creature zombie = zombieAt(kTurretPlace + sf::Vector2f(0.f, 140.f));
                zombie.health = 1000;  // soaks up every shot
                state.zombies.push_back(zombie);
            });
        }
        const int before = test.renderer.trailsAttached;
        test.step();
        if (test.renderer.trailsAttached - before > 0) {
            shotSteps.push_back(step);
        }
    }
    EXPECT_EQ(shotSteps, (std::vector<int>{10, 38, 66}));
    EXPECT_EQ(test.sounds.count("turret-shoot.wav"), 3);
}

TEST(WorldDefenceTest, ACooldownOfExactlyOneStepWaitsOneStepMore) {
    TestWorld test;
    placeTurret(test, {zombieAt(kTurretPlace + sf::Vector2f(0.f, 100.f))});
    test.arrange([](WorldState& state) { state.turrets[0].cooldown = TimePerFrame; });
    test.world.updateTurrets(TimePerFrame);
    EXPECT_TRUE(test.state().projectiles.empty());
    EXPECT_EQ(test.state().turrets[0].cooldown, sf::Time::Zero);
    test.world.updateTurrets(TimePerFrame);
    EXPECT_EQ(test.state().projectiles.size(), 1u);
}

TEST(WorldDefenceTest, ProjectileDiesAtTheEndOfIts91stStep) {
    TestWorld test;
    placeTurret(test, {zombieAt(kTurretPlace + sf::Vector2f(0.f, -120.f))});
    test.world.updateTurrets(TimePerFrame);
    test.arrange([](WorldState& state) { state.zombies.clear(); });
    test.steps(90);
    ASSERT_EQ(test.state().projectiles.size(), 1u);
    EXPECT_NEAR(test.state().projectiles.front().position.y, kTurretPlace.y - 300.f, 0.1f);
    test.step();
    EXPECT_TRUE(test.state().projectiles.empty());
    EXPECT_TRUE(test.renderer.trails.empty());
}

TEST(WorldDefenceTest, EightHitsKillAFreshZombieWithOneBurstOnTheLast) {
    TestWorld test;
    const sf::Vector2f place(450.f, 450.f);
    test.arrange([&](WorldState& state) {
        state.zombies.push_back(zombieAt(place));
        for (int i = 0; i < 9; ++i) {
            state.projectiles.emplace_back(place + sf::Vector2f(0.f, 14.f), 0.f);
        }
        state.projectiles.back().position.y += 20.f;  // out of reach
    });
    test.world.updateProjectiles();
    EXPECT_TRUE(test.state().zombies[0].isDead());
    EXPECT_EQ(test.sounds.count("zombie-hit.wav"), 8);
    ASSERT_EQ(test.renderer.bursts.size(), 1u);
    EXPECT_EQ(test.renderer.bursts[0].kind, kZombieKilled);
    EXPECT_EQ(test.renderer.bursts[0].x, place.x);
    // Each shot hit once and is spent; the last one missed.
    EXPECT_EQ(std::count_if(test.state().projectiles.begin(), test.state().projectiles.end(),
                            [](const Projectile& p) { return p.isDead(); }),
              8);
}

TEST(WorldDefenceTest, TwoMinesBothTakeTheSameZombieInOneStep) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt({450.f, 450.f}));
        state.zombies.push_back(zombieAt({450.f, 481.f}));
        state.mines.emplace_back(sf::Vector2f(440.f, 460.f));
        state.mines.emplace_back(sf::Vector2f(455.f, 455.f));
    });
    test.world.updateMines();
    EXPECT_TRUE(test.state().mines[0].isDead());
    EXPECT_TRUE(test.state().mines[1].isDead());
    EXPECT_TRUE(test.state().zombies[0].isDead());
    EXPECT_FALSE(test.state().zombies[1].isDead());
    EXPECT_EQ(test.sounds.count("mine-destroy.wav"), 2);
    ASSERT_EQ(test.renderer.bursts.size(), 4u);
    EXPECT_EQ(test.renderer.bursts[0].kind, kZombieKilled);
    EXPECT_EQ(test.renderer.bursts[1].kind, kMineExploded);
    EXPECT_EQ(test.renderer.bursts[1].x, 440.f);

    // The dead zombie stays until the end of the step, so later phases still see it.
    test.world.updateProjectiles();
    EXPECT_EQ(test.state().zombies.size(), 2u);
    test.world.removeDead();
    EXPECT_EQ(test.state().zombies.size(), 1u);
    EXPECT_TRUE(test.state().mines.empty());
}

TEST(WorldDefenceTest, MineIgnoresZombiesTwentyPixelsAwayAndHumansAlways) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt({470.f, 450.f}));
        state.humans.push_back(humanAt({450.f, 450.f}));
        state.mines.emplace_back(sf::Vector2f(450.f, 450.f));
    });
    test.world.updateMines();
    EXPECT_FALSE(test.state().mines[0].isDead());
    EXPECT_TRUE(test.sounds.played.empty());
}

TEST(WorldDefenceTest, SilenceDropsTheSoundsButNotTheEffects) {
    TestWorld test;
    placeTurret(test, {zombieAt(kTurretPlace + sf::Vector2f(0.f, 30.f))});
    test.arrange([](WorldState& state) {
        state.mines.emplace_back(kTurretPlace + sf::Vector2f(0.f, 40.f));
    });
    test.world.setSilent(true);
    test.step();
    EXPECT_TRUE(test.sounds.played.empty());
    EXPECT_EQ(test.sounds.purges, 1);
    EXPECT_EQ(test.renderer.trailsAttached, 1);
    EXPECT_EQ(test.renderer.bursts.size(), 2u);
    EXPECT_TRUE(test.state().zombies.empty());
}

TEST(WorldDefenceTest, AMineGoesOffBeforeAShotReachesTheSameZombieSoTheShotFliesOn) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt(kTurretPlace));
        state.mines.emplace_back(kTurretPlace);
        state.projectiles.emplace_back(kTurretPlace, 0.f);
    });
    test.step();
    EXPECT_EQ(test.sounds.played, std::vector<std::string>{"mine-destroy.wav"});
    EXPECT_TRUE(test.state().zombies.empty());
    EXPECT_EQ(test.state().projectiles.size(), 1u) << "a shot is not spent on a dead zombie";
}
