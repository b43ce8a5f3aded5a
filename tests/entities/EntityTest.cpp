#include <gtest/gtest.h>

#include "entities/Creature.hpp"
#include "entities/Entity.hpp"
#include "entities/Projectile.hpp"
#include "entities/Turret.hpp"

namespace {

Creature walker(float rotation) {
    return Creature({100.f, 100.f}, rotation, false);
}

}  // namespace

TEST(EntityTest, BounceReversesOnlyTheComponentRunningIntoTheWall) {
    Creature intoLeftWall = walker(180.f);
    intoLeftWall.bounce({1.f, 0.f});
    EXPECT_NEAR(intoLeftWall.rotation, 0.f, 1e-4f);

    Creature awayFromLeftWall = walker(0.f);
    awayFromLeftWall.bounce({1.f, 0.f});
    EXPECT_EQ(awayFromLeftWall.rotation, 0.f);

    Creature intoFloor = walker(45.f);
    intoFloor.bounce({0.f, -1.f});
    EXPECT_NEAR(intoFloor.rotation, -45.f, 1e-4f);
}

TEST(EntityTest, BounceBringsAHeadingIntoRangeWithoutTurningIt) {
    Creature creature = walker(370.f);
    creature.bounce({1.f, 0.f});
    EXPECT_NEAR(creature.rotation, 10.f, 1e-4f);
}

TEST(EntityTest, BounceLeavesAStillEntityAlone) {
    // Not at 180 or 0: the angle of a still entity's zero velocity would read as one of those.
    Creature attacker = walker(45.f);
    attacker.state = Attack;
    attacker.bounce({1.f, 0.f});
    EXPECT_EQ(attacker.rotation, 45.f);

    Turret turret({100.f, 100.f}, -120.f);
    turret.bounce({0.f, 1.f});
    EXPECT_EQ(turret.rotation, -120.f);
}

TEST(EntityTest, TheBoundingBoxIsTwiceTheRadiusAroundTheCentre) {
    EXPECT_EQ(walker(0.f).getBoundingBox(), sf::FloatRect(91.f, 91.f, 18.f, 18.f));
    EXPECT_EQ(Projectile({100.f, 100.f}, 0.f).getBoundingBox(),
              sf::FloatRect(94.f, 94.f, 12.f, 12.f));
}

TEST(EntityTest, ProjectileExpiresOnlyOnceItsLifetimeIsBelowZero) {
    Projectile shot({0.f, 0.f}, 0.f);
    shot.lifetime = sf::Time::Zero;
    EXPECT_FALSE(shot.isDead());
    shot.update(sf::microseconds(1));
    EXPECT_TRUE(shot.isDead());

    Projectile spent({0.f, 0.f}, 0.f);
    spent.health = 0;
    EXPECT_TRUE(spent.isDead());
}
