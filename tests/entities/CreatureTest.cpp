#include <gtest/gtest.h>

#include <cmath>

#include "entities/Creature.hpp"
#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"

namespace {

Creature chaser(sf::Vector2f target, float rotation = 0.f) {
    Creature zombie({100.f, 100.f}, rotation, true);
    zombie.state = Chase;
    zombie.target = target;
    return zombie;
}

}  // namespace

TEST(CreatureTest, AttackingCreatureStandsStillButItsAvoidTimerRunsOn) {
    Creature zombie({100.f, 100.f}, 0.f, true);
    zombie.state = Attack;
    zombie.avoidTimer = sf::seconds(1.f);
    zombie.update(TimePerFrame);
    EXPECT_EQ(zombie.position, sf::Vector2f(100.f, 100.f));
    EXPECT_EQ(zombie.avoidTimer, sf::seconds(1.f) - TimePerFrame);
    EXPECT_EQ(zombie.getSpeed(), 0.f);
}

TEST(CreatureTest, SteeringTurnsAtMostSeventyDegreesPerSecond) {
    Creature zombie = chaser({50.f, 100.f});  // straight behind
    zombie.update(TimePerFrame);
    EXPECT_NEAR(std::abs(zombie.rotation), 70.f * TimePerFrame.asSeconds(), 1e-4f);
}

TEST(CreatureTest, SteeringTurnsByTheAngularErrorWhenItIsSmall) {
    // The target lies 5 degrees clockwise of the heading, far enough for the step to not matter.
    const float radians = 5.f * 0.017453292f;
    Creature zombie =
        chaser({100.f + 1000.f * std::cos(radians), 100.f + 1000.f * std::sin(radians)});
    zombie.update(TimePerFrame);
    EXPECT_NEAR(zombie.rotation, 5.f * TimePerFrame.asSeconds(), 1e-3f);
}

TEST(CreatureTest, StandingOnTheTargetKeepsTheHeading) {
    // After moving a quarter pixel left along heading 180, the creature stands on its target.
    for (float rotation : {180.f, 225.f, -135.f}) {
        Creature zombie = chaser({0.f, 0.f}, rotation);
        Creature probe = zombie;
        probe.state = Wander;
        probe.update(TimePerFrame);
        zombie.target = probe.position;
        zombie.update(TimePerFrame);
        EXPECT_EQ(zombie.rotation, rotation);
    }
}
