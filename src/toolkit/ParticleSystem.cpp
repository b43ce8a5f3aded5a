#include "toolkit/ParticleSystem.hpp"

#include <SFML/Graphics/Transform.hpp>

namespace tk {

void ParticleSystem::setTexture(const sf::Texture& particleTexture) {
    texture = &particleTexture;
}

Connection ParticleSystem::addEmitter(Emitter emitter, sf::Time timeUntilRemoval) {
    return addTimed(emitters, std::move(emitter), timeUntilRemoval);
}

Connection ParticleSystem::addAffector(Affector affector, sf::Time timeUntilRemoval) {
    return addTimed(affectors, std::move(affector), timeUntilRemoval);
}

void ParticleSystem::update(sf::Time dt) {
    // An expiring emitter still emits in its last update.
    emitters.forEach([this, dt](Timed<Emitter>& entry) { entry.function(*this, dt); });
    countDown(emitters, dt);
    updateParticles(dt);
    countDown(affectors, dt);
}

std::size_t ParticleSystem::particleCount() const {
    return particles.size();
}

std::size_t ParticleSystem::emitterCount() const {
    return emitters.size();
}

const std::vector<Particle>& ParticleSystem::livingParticles() const {
    return particles;
}

void ParticleSystem::emitParticle(const Particle& particle) {
    particles.push_back(particle);
}

void ParticleSystem::updateParticles(sf::Time dt) {
    const std::int64_t microseconds = dt.asMicroseconds();
    const float seconds = dt.asSeconds();
    // Compacts the survivors in place, keeping their order; only survivors move.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < particles.size(); ++i) {
        Particle& particle = particles[i];
        particle.passedMicroseconds += microseconds;
        if (particle.passedMicroseconds >= particle.totalMicroseconds) {
            continue;
        }
        particle.position += particle.velocity * seconds;
        particle.rotation += particle.rotationSpeed * seconds;
        if (kept != i) {
            particles[kept] = particle;
        }
        ++kept;
    }
    particles.erase(particles.begin() + static_cast<std::ptrdiff_t>(kept), particles.end());
    // Each affector touches each particle alone, so applying one affector to all particles and
    // then the next gives what applying them all to one particle and then the next would.
    const ParticleRange survivors{particles.data(), particles.data() + particles.size()};
    affectors.forEach([survivors, dt](Timed<Affector>& entry) { entry.function(survivors, dt); });
}

void ParticleSystem::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (particles.empty()) {
        return;
    }
    states.texture = texture;
    target.draw(buildVertices(), states);
}

sf::VertexArray ParticleSystem::buildVertices() const {
    // Without a texture each particle is a plain square of one pixel before scaling.
    const sf::Vector2f size = texture ? sf::Vector2f(texture->getSize()) : sf::Vector2f(1.f, 1.f);
    const sf::Vector2f half = size / 2.f;
    const sf::Vector2f corners[4] = {
        {-half.x, -half.y}, {half.x, -half.y}, {half.x, half.y}, {-half.x, half.y}};
    const sf::Vector2f texCoords[4] = {{0.f, 0.f}, {size.x, 0.f}, {size.x, size.y}, {0.f, size.y}};

    sf::VertexArray vertices(sf::Quads);
    for (const Particle& particle : particles) {
        sf::Transform transform;
        transform.translate(particle.position).rotate(particle.rotation).scale(particle.scale);
        for (int corner = 0; corner < 4; ++corner) {
            // Without a texture SFML ignores the coordinates.
            vertices.append(sf::Vertex(transform.transformPoint(corners[corner]), particle.color,
                                       texCoords[corner]));
        }
    }
    return vertices;
}

}  // namespace tk
