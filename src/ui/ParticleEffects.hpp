#pragma once

#include <SFML/System/Vector2.hpp>

#include "toolkit/Connection.hpp"
#include "world/BurstKind.hpp"

namespace tk {
class ParticleSystem;
}
class Projectile;

// The game's particle effects, kept apart from the Renderer so that a simulation without a
// window (benchmarks, long soak runs) makes exactly the particles the game makes.

// Every particle fades out over the last 80 % of its one-second life.
void setupParticleFade(tk::ParticleSystem& particles);

// A tenth of a second of particles flying out of one point in every direction.
void addBurst(tk::ParticleSystem& particles, BurstKind kind, sf::Vector2f position);

// A trail that reads the projectile where it is stored each time it emits, so the projectile
// must not move in memory, and the trail must be disconnected before the projectile goes.
tk::Connection addTrail(tk::ParticleSystem& particles, const Projectile& projectile);
