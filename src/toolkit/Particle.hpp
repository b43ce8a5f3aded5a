#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstdint>

namespace tk {

// One short-lived point of a particle effect; plain data moved along by the ParticleSystem.
struct Particle {
    explicit Particle(sf::Time totalLifetime) : totalMicroseconds(totalLifetime.asMicroseconds()) {}

    sf::Vector2f position;
    sf::Vector2f velocity;      // pixels per second
    float rotation = 0.f;       // degrees
    float rotationSpeed = 0.f;  // degrees per second
    sf::Vector2f scale{1.f, 1.f};
    sf::Color color = sf::Color::White;
    unsigned textureIndex = 0;
    // The lifetimes in microseconds, the unit of sf::Time, held as plain numbers: the particle
    // loop counts them for every particle at every update, and the media library's time
    // arithmetic is never inlined.
    std::int64_t totalMicroseconds;
    std::int64_t passedMicroseconds = 0;
};

// The particles of one update, handed to an affector all at once.
struct ParticleRange {
    Particle* first;
    Particle* last;

    Particle* begin() const { return first; }
    Particle* end() const { return last; }
};

// How far through its life a particle is: 0 at birth, 1 when it dies.
inline float elapsedRatio(const Particle& particle) {
    // Whole microseconds divide exactly in double; a zero lifetime counts as already over.
    if (particle.totalMicroseconds <= 0) {
        return 1.f;
    }
    return static_cast<float>(static_cast<double>(particle.passedMicroseconds) /
                              static_cast<double>(particle.totalMicroseconds));
}

}  // namespace tk
