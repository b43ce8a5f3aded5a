#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>
#include <functional>

#include "toolkit/EmissionInterface.hpp"
#include "toolkit/Particle.hpp"

namespace tk {

// Emits particles at a steady rate; each property is a constant or a function read at every
// emission, so that particles can follow a moving source or spread at random.
class ParticleEmitter {
public:
    ParticleEmitter();

    // Negative or non-finite rates emit nothing.
    void setEmissionRate(float particlesPerSecond);
    void setParticleLifetime(sf::Time lifetime);
    void setParticlePosition(sf::Vector2f position);
    void setParticlePosition(std::function<sf::Vector2f()> position);
    void setParticleVelocity(sf::Vector2f velocity);
    void setParticleVelocity(std::function<sf::Vector2f()> velocity);
    void setParticleRotation(float degrees);
    void setParticleRotation(std::function<float()> degrees);
    void setParticleRotationSpeed(float degreesPerSecond);
    void setParticleScale(sf::Vector2f scale);
    void setParticleColor(sf::Color color);
    void setParticleTextureIndex(unsigned index);

    // Emits the whole part of (rate x dt + carry) and keeps the fraction for the next call, so
    // that low rates at short steps still add up to the right count.
    void operator()(EmissionInterface& system, sf::Time dt);

private:
    Particle createParticle() const;

    float emissionRate = 1.f;
    float carry = 0.f;
    sf::Time lifetime;
    std::function<sf::Vector2f()> position;
    std::function<sf::Vector2f()> velocity;
    std::function<float()> rotation;
    float rotationSpeed = 0.f;
    sf::Vector2f scale{1.f, 1.f};
    sf::Color color = sf::Color::White;
    unsigned textureIndex = 0;
};

}  // namespace tk
