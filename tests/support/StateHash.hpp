#pragma once

#include <cstdint>
#include <cstring>
#include <random>

#include "toolkit/ParticleSystem.hpp"
#include "toolkit/Random.hpp"
#include "world/World.hpp"

// A fingerprint of everything a game step can change: every entity's place, heading, health,
// state and timers, the grid, the gold, the living particles, and the next number the shared
// random engine would give, so that two runs that consumed different draws tell apart too.
// Floats are taken by their bits, so that any change in rounding shows.
class StateHash {
public:
    std::uint64_t value() const { return hash; }

    void add(std::uint64_t word) {
        // FNV-1a, one byte at a time.
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (word >> (8 * byte)) & 0xffu;
            hash *= 0x100000001b3u;
        }
    }
    void add(float number) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        add(std::uint64_t{bits});
    }
    void add(sf::Vector2f vector) {
        add(vector.x);
        add(vector.y);
    }
    void add(sf::Time time) { add(static_cast<std::uint64_t>(time.asMicroseconds())); }

    void add(const Entity& entity) {
        add(entity.position);
        add(entity.rotation);
        add(static_cast<std::uint64_t>(entity.health));
    }
    void add(const Creature& creature) {
        add(static_cast<const Entity&>(creature));
        add(std::uint64_t{creature.isZombie});
        add(static_cast<std::uint64_t>(creature.state));
        add(creature.target);
        add(creature.attackCooldown);
        add(creature.avoidTimer);
    }
    void add(const Turret& turret) {
        add(static_cast<const Entity&>(turret));
        add(turret.cooldown);
    }
    void add(const Projectile& projectile) {
        add(static_cast<const Entity&>(projectile));
        add(projectile.lifetime);
    }

    template <typename Sequence>
    void addAll(const Sequence& entities) {
        add(std::uint64_t{entities.size()});
        for (const auto& entity : entities) {
            add(entity);
        }
    }

    void add(const World& world) {
        add(world.getState());
        add(std::uint64_t{world.gold()});
    }

    void add(const WorldState& state) {
        add(static_cast<std::uint64_t>(state.timePoint.index));
        add(std::uint64_t{state.tileMap.size});
        for (const std::int32_t cell : state.tileMap.cells) {
            add(static_cast<std::uint64_t>(cell));
        }
        addAll(state.zombies);
        addAll(state.humans);
        addAll(state.turrets);
        addAll(state.barricades);
        addAll(state.mines);
        addAll(state.projectiles);
        add(std::uint64_t{state.goldSpent});
    }

    void add(const tk::ParticleSystem& particles) {
        add(std::uint64_t{particles.particleCount()});
        for (const tk::Particle& particle : particles.livingParticles()) {
            add(particle.position);
            add(particle.velocity);
            add(particle.rotation);
            add(std::uint64_t{particle.color.toInteger()});
            add(static_cast<std::uint64_t>(particle.passedMicroseconds));
        }
    }

    // Draws from a copy, so that taking the fingerprint leaves the run as it was.
    void addNextRandomNumber() {
        std::mt19937 engine = tk::randomEngine();
        add(std::uint64_t{engine()});
    }

private:
    std::uint64_t hash = 0xcbf29ce484222325u;
};
