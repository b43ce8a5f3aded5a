#include <gtest/gtest.h>

#include "entities/ObjectCode.hpp"
#include "support/TestWorld.hpp"

// The creature phase: movement, zombies meeting humans and buildings, and walls.

namespace {

const sf::Vector2f kMiddle(450.f, 450.f);

Creature avoidingZombie(sf::Vector2f position, float rotation) {
    Creature zombie = zombieAt(position, rotation);
    zombie.state = Avoid;
    zombie.avoidTimer = sf::seconds(2.f);
    return zombie;
}

}  // namespace

TEST(WorldCreaturesTest, ZombiesMoveTwiceAStepAndHumansOnce) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt({300.f, 300.f}));
        state.humans.push_back(humanAt({300.f, 600.f}));
    });
    test.steps(60);
    EXPECT_NEAR(test.state().zombies[0].position.x, 330.f, 1e-2f);
    EXPECT_NEAR(test.state().humans[0].position.x, 315.f, 1e-2f);
}

TEST(WorldCreaturesTest, InfectionReachesBelowTenPixelsOnly) {
    // Zombies already attacking do not move before their contacts, so the distances stay exact.
    const auto attackerAndHuman = [](float gap) {
        return [gap](WorldState& state) {
            state.zombies.push_back(zombieAt(kMiddle));
            state.zombies.back().state = Attack;
            state.humans.push_back(humanAt(kMiddle + sf::Vector2f(gap, 0.f)));
        };
    };
    TestWorld near;
    near.arrange(attackerAndHuman(9.9f));
    near.world.updateCreatures(TimePerFrame);
    EXPECT_TRUE(near.state().humans[0].isDead());
    ASSERT_EQ(near.state().zombies.size(), 2u);
    EXPECT_EQ(near.sounds.played, std::vector<std::string>{"zombie-attack.wav"});
    ASSERT_EQ(near.renderer.bursts.size(), 1u);
    EXPECT_EQ(near.renderer.bursts[0].kind, kHumanBitten);
    EXPECT_EQ(near.renderer.bursts[0].x, kMiddle.x + 9.9f);

    TestWorld far;
    far.arrange(attackerAndHuman(10.f));
    far.world.updateCreatures(TimePerFrame);
    EXPECT_FALSE(far.state().humans[0].isDead());
    EXPECT_EQ(far.state().zombies[0].state, Chase);
    EXPECT_EQ(far.state().zombies[0].target, kMiddle + sf::Vector2f(10.f, 0.f));
}

TEST(WorldCreaturesTest, NewZombieJoinsAfterThePassAndTheHumanLeavesAtTheEnd) {
    TestWorld test;
    const sf::Vector2f humanPlace = kMiddle + sf::Vector2f(5.f, 0.f);
    test.arrange([&](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 90.f));
        state.zombies.push_back(zombieAt({200.f, 200.f}));
        state.humans.push_back(humanAt(humanPlace, 30.f));
    });
    test.world.updateCreatures(TimePerFrame);
    const WorldState& state = test.state();
    ASSERT_EQ(state.zombies.size(), 3u);
    EXPECT_EQ(state.zombies[2].position, humanPlace);  // not moved in the step it was made
    EXPECT_EQ(state.zombies[2].rotation, 30.f);
    EXPECT_EQ(state.zombies[2].health, 8);
    ASSERT_EQ(state.humans.size(), 1u);
    EXPECT_NE(state.humans[0].position, humanPlace);  // still took its own move
    test.world.removeDead();
    EXPECT_TRUE(test.state().humans.empty());
}

TEST(WorldCreaturesTest, AHumanIsInfectedOnceEvenWithTwoZombiesAtIt) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 90.f));
        state.zombies.push_back(zombieAt(kMiddle + sf::Vector2f(8.f, 0.f), 90.f));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(4.f, 0.f)));
    });
    test.step();
    EXPECT_EQ(test.state().zombies.size(), 3u);
    EXPECT_EQ(test.sounds.count("zombie-attack.wav"), 1);
    EXPECT_EQ(test.renderer.bursts.size(), 1u);
}

TEST(WorldCreaturesTest, BiteSoundWaitsForTheCooldownButTheBiteDoesNot) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 90.f));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(3.f, 0.f)));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(0.f, 5.f)));
    });
    test.steps(2);
    EXPECT_TRUE(test.state().humans.empty());
    EXPECT_EQ(test.state().zombies.size(), 3u);
    EXPECT_EQ(test.sounds.count("zombie-attack.wav"), 1);
}

TEST(WorldCreaturesTest, TheFirstHumanInRangeIsChasedNotTheNearest) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle));
        state.humans.push_back(humanAt({200.f, 200.f}));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(0.f, 60.f)));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(0.f, 20.f)));
    });
    test.step();
    EXPECT_EQ(test.state().zombies[0].state, Chase);
    EXPECT_EQ(test.state().zombies[0].target, kMiddle + sf::Vector2f(0.f, 60.f));
}

TEST(WorldCreaturesTest, AvoidingZombieStillInfectsButKeepsItsCourse) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(avoidingZombie(kMiddle, 90.f));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(5.f, 0.f)));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(50.f, 0.f)));
    });
    test.step();
    const Creature& zombie = test.state().zombies[0];
    EXPECT_EQ(zombie.state, Avoid);
    EXPECT_EQ(zombie.target, sf::Vector2f(0.f, 0.f));
    EXPECT_EQ(zombie.rotation, 90.f);
    EXPECT_EQ(test.state().zombies.size(), 2u);
}

TEST(WorldCreaturesTest, BarricadeCheckHasTheLastWord) {
    TestWorld test;
    const sf::Vector2f barricadePlace = kMiddle + sf::Vector2f(0.f, 90.f);
    test.arrange([&](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 180.f));
        state.humans.push_back(humanAt(kMiddle + sf::Vector2f(50.f, 0.f)));
        state.barricades.emplace_back(barricadePlace);
    });
    test.step();
    EXPECT_EQ(test.state().zombies[0].state, Chase);
    EXPECT_EQ(test.state().zombies[0].target, barricadePlace);
}

TEST(WorldCreaturesTest, AHumanInRangeTakesPrecedenceOverATouchedTurret) {
    TestWorld test;
    const sf::Vector2f humanPlace = kMiddle + sf::Vector2f(0.f, 50.f);
    test.arrange([&](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 90.f));
        state.turrets.emplace_back(kMiddle + sf::Vector2f(15.f, 0.f), 0.f);
        state.humans.push_back(humanAt(humanPlace));
    });
    test.world.updateCreatures(TimePerFrame);
    EXPECT_EQ(test.state().zombies[0].target, humanPlace);
    EXPECT_EQ(test.state().turrets[0].health, 4);
    EXPECT_TRUE(test.sounds.played.empty());
}

TEST(WorldCreaturesTest, StruckTurretIsLeftForABarricadeInRange) {
    TestWorld test;
    const sf::Vector2f barricadePlace = kMiddle + sf::Vector2f(0.f, 60.f);
    test.arrange([&](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 180.f));
        state.turrets.emplace_back(kMiddle + sf::Vector2f(15.f, 0.f), 0.f);
        state.barricades.emplace_back(barricadePlace);
    });
    test.world.updateCreatures(TimePerFrame);
    const Creature& zombie = test.state().zombies[0];
    EXPECT_EQ(test.state().turrets[0].health, 3);
    EXPECT_EQ(test.sounds.played, std::vector<std::string>{"zombie-turret.wav"});
    ASSERT_EQ(test.renderer.bursts.size(), 1u);
    EXPECT_EQ(test.renderer.bursts[0].kind, kBuildingStruck);
    EXPECT_EQ(zombie.state, Chase);
    EXPECT_EQ(zombie.target, barricadePlace);
    EXPECT_NEAR(zombie.position.x, kMiddle.x - 0.5f, 1e-3f);  // moved in both updates
}

TEST(WorldCreaturesTest, StrikesComeEvery61StepsAndTheTenthBreaksABarricade) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 90.f));
        state.barricades.emplace_back(kMiddle + sf::Vector2f(15.f, 0.f));
    });
    std::vector<int> strikeSteps;
    for (int step = 1; step <= 560 && !test.state().barricades.empty(); ++step) {
        const long before = test.sounds.count("zombie-turret.wav");
        test.step();
        if (test.sounds.count("zombie-turret.wav") > before) {
            strikeSteps.push_back(step);
        }
    }
    ASSERT_EQ(strikeSteps.size(), 10u);
    EXPECT_EQ(strikeSteps[0], 1);
    EXPECT_EQ(strikeSteps[1], 62);
    EXPECT_EQ(strikeSteps[9], 550);
    EXPECT_TRUE(test.state().barricades.empty());
    EXPECT_EQ(test.sounds.count("turret-destroy.wav"), 1);
    test.step();  // with the barricade gone and nothing else near, the zombie wanders off
    EXPECT_EQ(test.state().zombies[0].state, Wander);
}

TEST(WorldCreaturesTest, ABuildingDestroyedThisStepIsNotStruckAgain) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.zombies.push_back(zombieAt(kMiddle, 90.f));
        state.zombies.push_back(zombieAt(kMiddle + sf::Vector2f(20.f, 0.f), 90.f));
        state.barricades.emplace_back(kMiddle + sf::Vector2f(10.f, 0.f));
        state.barricades[0].health = 1;
    });
    test.world.updateCreatures(TimePerFrame);
    EXPECT_EQ(test.state().barricades[0].health, 0);
    EXPECT_EQ(test.sounds.count("zombie-turret.wav"), 1);
    EXPECT_EQ(test.sounds.count("turret-destroy.wav"), 1);
}

TEST(WorldCreaturesTest, WallOnTheLeftTurnsACreatureBackAndKeepsItAvoiding) {
    TestWorld test;
    test.arrange([](WorldState& state) { state.humans.push_back(humanAt({35.f, 450.f}, 180.f)); });
    test.step();
    EXPECT_NEAR(test.state().humans[0].rotation, 0.f, 1e-4f);
    EXPECT_EQ(test.state().humans[0].state, Avoid);
    EXPECT_EQ(test.state().humans[0].avoidTimer, sf::seconds(2.5f));
    test.step();  // still overlapping, now heading away: the course holds, the timer renews
    EXPECT_NEAR(test.state().humans[0].rotation, 0.f, 1e-4f);
    EXPECT_EQ(test.state().humans[0].avoidTimer, sf::seconds(2.5f));
}

TEST(WorldCreaturesTest, CornerReflectsBothAxesInOneStep) {
    TestWorld test;
    test.arrange([](WorldState& state) { state.humans.push_back(humanAt({35.f, 865.f}, 135.f)); });
    test.step();
    EXPECT_NEAR(test.state().humans[0].rotation, -45.f, 1e-3f);
}

TEST(WorldCreaturesTest, TouchingAWallsEdgeIsNoCollision) {
    // Walking straight down beside the left wall, the box's left edge lies on or past the wall's.
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.humans.push_back(humanAt({39.f, 450.f}, 90.f));
        state.humans.push_back(humanAt({38.9f, 450.f}, 90.f));
    });
    test.step();
    EXPECT_EQ(test.state().humans[0].state, Wander);
    EXPECT_EQ(test.state().humans[1].state, Avoid);
}

TEST(WorldCreaturesTest, ABuildingExactlyOneHundredPixelsAwayIsOutOfReach) {
    const auto attackerAndBarricade = [](float gap) {
        return [gap](WorldState& state) {
            state.zombies.push_back(zombieAt(kMiddle));
            state.zombies.back().state = Attack;  // holds it still until its contacts
            state.barricades.emplace_back(kMiddle + sf::Vector2f(gap, 0.f));
        };
    };
    TestWorld atTheEdge;
    atTheEdge.arrange(attackerAndBarricade(100.f));
    atTheEdge.world.updateCreatures(TimePerFrame);
    EXPECT_EQ(atTheEdge.state().zombies[0].state, Wander);

    TestWorld inside;
    inside.arrange(attackerAndBarricade(99.9f));
    inside.world.updateCreatures(TimePerFrame);
    EXPECT_EQ(inside.state().zombies[0].state, Chase);
    EXPECT_EQ(inside.state().zombies[0].target, kMiddle + sf::Vector2f(99.9f, 0.f));
}

TEST(WorldCreaturesTest, AnEarlierBuildingAtTheEdgeOfRangeLosesToALaterOneInRange) {
    // Only a building listed first shows whether the search itself leaves out the edge: a
    // later one in range is then engaged instead of nothing or the one at the edge.
    const sf::Vector2f atTheEdge = kMiddle + sf::Vector2f(kEngagementRange, 0.f);
    const sf::Vector2f inRange = kMiddle + sf::Vector2f(0.f, kEngagementRange - 10.f);
    for (const bool turrets : {true, false}) {
        TestWorld test;
        test.arrange([&](WorldState& state) {
            state.zombies.push_back(zombieAt(kMiddle));
            state.zombies.back().state = Attack;  // holds it still until its contacts
            for (const sf::Vector2f place : {atTheEdge, inRange}) {
                if (turrets) {
                    state.turrets.emplace_back(place, 0.f);
                } else {
                    state.barricades.emplace_back(place);
                }
            }
        });
        test.world.updateCreatures(TimePerFrame);
        EXPECT_EQ(test.state().zombies[0].state, Chase) << "turrets " << turrets;
        EXPECT_EQ(test.state().zombies[0].target, inRange) << "turrets " << turrets;
    }
}

TEST(WorldCreaturesTest, ABuildingIsTouchedBelowNineteenPixelsOnly) {
    const auto attackerBeside = [](float gap, bool turret) {
        return [gap, turret](WorldState& state) {
            state.zombies.push_back(zombieAt(kMiddle));
            state.zombies.back().state = Attack;  // holds it still until its contacts
            const sf::Vector2f place = kMiddle + sf::Vector2f(gap, 0.f);
            if (turret) {
                state.turrets.emplace_back(place, 0.f);
            } else {
                state.barricades.emplace_back(place);
            }
        };
    };
    for (const bool turret : {true, false}) {
        TestWorld touching;
        touching.arrange(attackerBeside(18.9f, turret));
        touching.world.updateCreatures(TimePerFrame);
        EXPECT_EQ(touching.sounds.count("zombie-turret.wav"), 1) << "turret " << turret;

        TestWorld apart;
        apart.arrange(attackerBeside(19.f, turret));
        apart.world.updateCreatures(TimePerFrame);
        EXPECT_EQ(apart.state().zombies[0].state, Chase) << "turret " << turret;
        EXPECT_TRUE(apart.sounds.played.empty()) << "turret " << turret;
    }
}

TEST(WorldCreaturesTest, WallsBroughtBackByAJumpOrPlacedBetweenStepsStopCreaturesAtOnce) {
    // Each box reaches its wall after about 23 steps.
    TestWorld jump;
    jump.arrange([](WorldState& state) { state.humans.push_back(humanAt({45.f, 465.f}, 180.f)); });
    const WorldState walled = jump.state();
    jump.world.placeObject(0, 15, BuildBarricade);  // the wall cell becomes floor
    jump.step();
    jump.world.replaceState(walled);
    jump.steps(40);
    EXPECT_EQ(jump.state().humans[0].state, Avoid);
    EXPECT_NEAR(jump.state().humans[0].rotation, 0.f, 1e-4f);

    TestWorld placed;
    placed.arrange([](WorldState& state) { state.humans.push_back(humanAt({75.f, 645.f}, 0.f)); });
    placed.step();
    placed.world.placeObject(3, 21, Block);
    placed.steps(40);
    EXPECT_EQ(placed.state().humans[0].state, Avoid);
    EXPECT_NEAR(placed.state().humans[0].rotation, 180.f, 1e-4f);
}

TEST(WorldCreaturesTest, OffTheGridOfAnOpenLevelEverySideIsAWall) {
    // Column 4 lies just past this grid's right edge, and column 5 beyond it reads as a wall.
    TestWorld test(levels::read("4  0 0 0 0  0 0 0 0  0 0 0 0  0 0 0 0"));
    test.arrange([](WorldState& state) { state.humans.push_back(humanAt({145.f, 45.f}, 0.f)); });
    test.step();
    EXPECT_EQ(test.state().humans[0].state, Avoid);
    EXPECT_NEAR(test.state().humans[0].rotation, 180.f, 1e-4f);
}
