#include "entities/Creature.hpp"

#include <algorithm>
#include <cmath>

#include "entities/ObjectCode.hpp"
#include "toolkit/Angles.hpp"

Creature::Creature(sf::Vector2f position, float rotation, bool isZombie)
    : Entity(position, rotation, isZombie ? kZombieHealth : kHumanHealth), isZombie(isZombie) {}

Creature::Creature(FromInfectedHuman, const Creature& human)
    : Creature(human.position, human.rotation, true) {}

void Creature::onCollision(std::int32_t code) {
    if (code == Block) {
        state = Avoid;
        avoidTimer = avoidDuration();
    }
}

void Creature::advance(const StepLength& step) {
    // Moving leaves the rotation alone, so one heading serves the move and the steering; the
    // sine and cosine behind it are most of a crowded step's cost.
    const sf::Vector2f v = velocity();
    moveAlong(v, step.seconds);
    avoidTimer = countedDown(avoidTimer, step);
    if (state == Chase) {
        steerTowardsTarget(v, step.seconds);
    }
}

void Creature::steerTowardsTarget(sf::Vector2f v, float seconds) {
    const sf::Vector2f toTarget = target - position;
    // Standing on the target gives no direction to turn to, so the heading is kept.
    if (toTarget.x == 0.f && toTarget.y == 0.f) {
        return;
    }
    const float cross = v.x * toTarget.y - v.y * toTarget.x;
    const float dot = v.x * toTarget.x + v.y * toTarget.y;
    const float error = std::atan2(cross, dot) * tk::kRadiansToDegrees;
    rotation += std::clamp(error, -kTurnLimit, kTurnLimit) * seconds;
}
