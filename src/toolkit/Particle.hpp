#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

namespace tk {

// One short-lived point of a particle effect; plain data moved along by the ParticleSystem.
struct Particle {
    explicit Particle(sf::Time totalLifetime) : totalLifetime(totalLifetime) {}

    sf::Vector2f position;
    sf::Vector2f velocity;      // pixels per second
    float rotation = 0.f;       // degrees
    float rotationSpeed = 0.f;  // degrees per second
    sf::Vector2f scale{1.f, 1.f};
    sf::Color color = sf::Color::White;
    unsigned textureIndex = 0;
    sf::Time totalLifetime;
    sf::Time passedLifetime;
};

// How far through its life a particle is: 0 at birth, 1 when it dies.
float elapsedRatio(const Particle& particle);

}  // namespace tk
