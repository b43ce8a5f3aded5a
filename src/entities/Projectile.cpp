#include "entities/Projectile.hpp"

void Projectile::update(sf::Time dt) {
    Entity::update(dt);
    lifetime = countedDown(lifetime, dt);
}

bool Projectile::isDead() const {
    return lifetime < sf::Time::Zero || Entity::isDead();
}
