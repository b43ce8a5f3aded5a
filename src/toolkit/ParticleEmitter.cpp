#include "toolkit/ParticleEmitter.hpp"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

template <typename Value>
std::function<Value()> constantly(Value value) {
    return [value] { return value; };
}

// Keeps an empty function from being stored, where calling it later would throw mid-update.
template <typename Value>
std::function<Value()> orConstant(std::function<Value()> function, Value fallback) {
    return function ? std::move(function) : constantly(fallback);
}

}  // namespace

ParticleEmitter::ParticleEmitter()
    : lifetime(sf::seconds(1.f)),
      position(constantly(sf::Vector2f())),
      velocity(constantly(sf::Vector2f())),
      rotation(constantly(0.f)) {}

void ParticleEmitter::setEmissionRate(float particlesPerSecond) {
    emissionRate = std::isfinite(particlesPerSecond) ? std::max(0.f, particlesPerSecond) : 0.f;
}

void ParticleEmitter::setParticleLifetime(sf::Time particleLifetime) {
    lifetime = particleLifetime;
}

void ParticleEmitter::setParticlePosition(sf::Vector2f particlePosition) {
    position = constantly(particlePosition);
}

void ParticleEmitter::setParticlePosition(std::function<sf::Vector2f()> particlePosition) {
    position = orConstant(std::move(particlePosition), sf::Vector2f());
}

void ParticleEmitter::setParticleVelocity(sf::Vector2f particleVelocity) {
    velocity = constantly(particleVelocity);
}

void ParticleEmitter::setParticleVelocity(std::function<sf::Vector2f()> particleVelocity) {
    velocity = orConstant(std::move(particleVelocity), sf::Vector2f());
}

void ParticleEmitter::setParticleRotation(float degrees) {
    rotation = constantly(degrees);
}

void ParticleEmitter::setParticleRotation(std::function<float()> degrees) {
    rotation = orConstant(std::move(degrees), 0.f);
}

void ParticleEmitter::setParticleRotationSpeed(float degreesPerSecond) {
    rotationSpeed = degreesPerSecond;
}

void ParticleEmitter::setParticleScale(sf::Vector2f particleScale) {
    scale = particleScale;
}

void ParticleEmitter::setParticleColor(sf::Color particleColor) {
    color = particleColor;
}

void ParticleEmitter::setParticleTextureIndex(unsigned index) {
    textureIndex = index;
}

void ParticleEmitter::operator()(EmissionInterface& system, sf::Time dt) {
    if (dt <= sf::Time::Zero) {
        return;
    }
    const float owed = emissionRate * dt.asSeconds() + carry;
    const float whole = std::floor(owed);
    carry = owed - whole;
    const auto count = static_cast<unsigned long long>(whole);
    for (unsigned long long emitted = 0; emitted < count; ++emitted) {
        system.emitParticle(createParticle());
    }
}

Particle ParticleEmitter::createParticle() const {
    Particle particle(lifetime);
    particle.position = position();
    particle.velocity = velocity();
    particle.rotation = rotation();
    particle.rotationSpeed = rotationSpeed;
    particle.scale = scale;
    particle.color = color;
    particle.textureIndex = textureIndex;
    return particle;
}

}  // namespace tk
