#include "entities/Projectile.hpp"

void Projectile::advance(const StepLength& step) {
    moveAlong(velocity(), step.seconds);
    lifetime = countedDown(lifetime, step);
}

bool Projectile::isDead() const {
    return lifetime < sf::Time::Zero || Entity::isDead();
}
