#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "entities/ObjectCode.hpp"
#include "support/TestWorld.hpp"
#include "toolkit/Random.hpp"
#include "world/World.hpp"

namespace {

// A 4 x 4 level: zombies at (1, 1) and (2, 2), a human at (2, 1), a turret at (1, 2).
const char* const kSmallLevel = "4  1 1 1 1  1 2 3 1  1 4 2 1  1 1 1 1";

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override { tk::setRandomSeed(7); }
};

}  // namespace

TEST_F(WorldTest, LevelCodesBecomeEntitiesInRowMajorOrderOnCellCentres) {
    TestWorld test(
        levels::read("6  1 1 1 1 1 1  1 0 0 0 0 2  1 9 -1 0 0 1  1 0 2 3 5 6  "
                     "1 0 0 0 0 1  1 1 1 1 1 1"));
    const WorldState& state = test.state();
    ASSERT_EQ(state.zombies.size(), 2u);
    EXPECT_EQ(state.zombies[0].position, sf::Vector2f(165.f, 45.f));  // row 1 comes first
    EXPECT_EQ(state.zombies[1].position, sf::Vector2f(75.f, 105.f));
    ASSERT_EQ(state.humans.size(), 1u);
    EXPECT_EQ(state.humans[0].position, sf::Vector2f(105.f, 105.f));
    EXPECT_EQ(state.barricades.size(), 1u);
    EXPECT_EQ(state.mines.size(), 1u);
    EXPECT_TRUE(state.turrets.empty());
    EXPECT_EQ(state.timePoint, TimePoint{-1});
    // After spawning only floor and walls remain; codes 9 and -1 made floor and nothing else.
    for (std::int32_t code : state.tileMap.cells) {
        EXPECT_TRUE(code == Floor || code == Block);
    }
    EXPECT_EQ(state.tileMap.at(1, 2), Floor);
    EXPECT_EQ(state.tileMap.at(2, 2), Floor);
}

TEST_F(WorldTest, SpendingNeedsTheWholePriceAndCountsTowardsGoldSpent) {
    TestWorld test;
    test.world.addGold(20);
    EXPECT_TRUE(test.world.trySpend(100));
    EXPECT_EQ(test.world.gold(), 0u);
    EXPECT_EQ(test.state().goldSpent, 100u);
    test.world.addGold(99);
    EXPECT_FALSE(test.world.trySpend(100));
    EXPECT_EQ(test.world.gold(), 99u);
    EXPECT_EQ(test.state().goldSpent, 100u);
}

TEST_F(WorldTest, GoldSaturatesInsteadOfWrapping) {
    TestWorld test;
    test.world.addGold(0xFFFFFFF0u);
    test.world.addGold(1000);
    EXPECT_EQ(test.world.gold(), 0xFFFFFFFFu);
}

TEST_F(WorldTest, PlacingABuildingOnAWallTurnsItToFloor) {
    TestWorld test(levels::read("4"));
    test.world.placeObject(0, 1, BuildTurret);
    test.world.placeObject(0, 1, BuildMine);
    test.world.placeObject(2, 2, Block);
    const WorldState& state = test.state();
    EXPECT_EQ(state.tileMap.at(0, 1), Floor);
    EXPECT_EQ(state.tileMap.at(2, 2), Block);
    ASSERT_EQ(state.turrets.size(), 1u);
    EXPECT_EQ(state.turrets[0].position, sf::Vector2f(15.f, 45.f));
    EXPECT_EQ(state.turrets[0].health, 4);
    EXPECT_EQ(state.turrets[0].cooldown, sf::Time::Zero);
    ASSERT_EQ(state.mines.size(), 1u);
    EXPECT_EQ(state.mines[0].position, state.turrets[0].position);
}

TEST_F(WorldTest, PlacingOffTheGridDoesNothing) {
    TestWorld test(levels::read("4"));
    const std::vector<std::int32_t> before = test.state().tileMap.cells;
    test.world.placeObject(4, 0, BuildBarricade);
    test.world.placeObject(0, 0xFFFFFFFFu, BuildBarricade);
    EXPECT_EQ(test.state().tileMap.cells, before);
    EXPECT_TRUE(test.state().barricades.empty());
}

TEST_F(WorldTest, ReplacingTheStateKeepsTheGold) {
    TestWorld test(levels::read(kSmallLevel));
    const WorldState earlier = test.state();
    ASSERT_TRUE(test.world.trySpend(40));
    test.world.placeObject(1, 1, BuildMine);
    test.world.replaceState(earlier);
    EXPECT_EQ(test.world.gold(), 40u);
    EXPECT_EQ(test.state().goldSpent, 0u);
    EXPECT_TRUE(test.state().mines.empty());
}

TEST_F(WorldTest, ReplacingTheStateMovesEveryTrailToTheRestoredProjectiles) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        state.turrets.emplace_back(sf::Vector2f(300.f, 300.f), 0.f);
        state.zombies.push_back(zombieAt({400.f, 300.f}));
    });
    test.steps(29);  // two shots in flight
    const WorldState withTwoShots = test.state();
    test.steps(40);
    ASSERT_NE(test.renderer.trailsAttached, 2);

    test.world.replaceState(withTwoShots);
    test.world.replaceState(test.world.getState());  // a jump to the present changes nothing
    const auto& projectiles = test.state().projectiles;
    ASSERT_EQ(projectiles.size(), 2u);
    ASSERT_EQ(test.renderer.trails.size(), 2u);
    for (const RecordingRenderer::Trail& trail : test.renderer.trails) {
        const bool followsAStoredProjectile =
            std::any_of(projectiles.begin(), projectiles.end(),
                        [&](const Projectile& p) { return &p == trail.projectile; });
        EXPECT_TRUE(followsAStoredProjectile);
    }
}

TEST_F(WorldTest, RemovingTheDeadKeepsSurvivorsInOrderAndCutsTheirTrails) {
    TestWorld test;
    test.arrange([](WorldState& state) {
        for (float x : {100.f, 200.f, 300.f, 400.f}) {
            state.humans.push_back(humanAt({x, 450.f}, 90.f));
        }
        state.humans[1].health = 0;
        state.humans[3].health = 0;
        for (float x : {100.f, 200.f, 300.f}) {
            state.projectiles.emplace_back(sf::Vector2f(x, 600.f), 0.f);
        }
        state.projectiles.front().health = 0;
    });
    const Projectile* const survivor = &*std::next(test.state().projectiles.begin());
    test.world.removeDead();
    ASSERT_EQ(test.state().humans.size(), 2u);
    EXPECT_EQ(test.state().humans[0].position.x, 100.f);
    EXPECT_EQ(test.state().humans[1].position.x, 300.f);
    ASSERT_EQ(test.state().projectiles.size(), 2u);
    EXPECT_EQ(&test.state().projectiles.front(), survivor);  // never moved
    EXPECT_EQ(test.renderer.trails.size(), 2u);
    EXPECT_EQ(test.sounds.purges, 1);
}

TEST_F(WorldTest, DrawsLayersBottomToTopWithGoldBelowTheParticles) {
    TestWorld test(levels::read(kSmallLevel));
    test.arrange([](WorldState& state) {
        state.humans[0].isZombie = true;  // the picture follows the flag, not the sequence
        state.mines.emplace_back(sf::Vector2f(45.f, 45.f));
        state.barricades.emplace_back(sf::Vector2f(45.f, 45.f));
        state.projectiles.emplace_back(sf::Vector2f(45.f, 45.f), 0.f);
    });
    test.renderer.size = {800, 600};
    test.world.draw();
    EXPECT_EQ(test.renderer.layers,
              (std::vector<std::string>{"tiles", "turret.png", "barricade.png", "zombie.png",
                                        "zombie.png", "zombie.png", "mine.png", "projectile.png",
                                        "gold", "particles"}));
    EXPECT_EQ(test.renderer.goldPosition, sf::Vector2f(700.f, 10.f));
    EXPECT_EQ(test.renderer.drawnGold, 80u);
}
