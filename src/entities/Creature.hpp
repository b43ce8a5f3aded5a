#pragma once

#include "entities/CreatureState.hpp"
#include "entities/Entity.hpp"
#include "entities/GameNumbers.hpp"

// A zombie or a human: walks along its heading, and steers towards a target while chasing.
class Creature final : public Entity {
public:
    // Selects the constructor that turns an infected human into a zombie.
    struct FromInfectedHuman {};

    Creature(sf::Vector2f position, float rotation, bool isZombie);
    // The zombie an infected human turns into: only its place and heading carry over.
    Creature(FromInfectedHuman, const Creature& human);

    float getRadius() const override { return kCreatureRadius; }
    float getSpeed() const override { return state == Attack ? 0.f : kCreatureSpeed; }
    void onCollision(std::int32_t code) override;
    void update(sf::Time dt) override { advance(StepLength(dt)); }
    // update, for a step length already converted.
    void advance(const StepLength& step);

    bool isZombie = false;
    CreatureState state = Wander;
    sf::Vector2f target;
    sf::Time attackCooldown;
    sf::Time avoidTimer;

private:
    // Turns towards the target, at most kTurnLimit degrees a second; v is the current velocity.
    void steerTowardsTarget(sf::Vector2f v, float seconds);
};
