#include "ui/ParticleEffects.hpp"

#include <SFML/Graphics/Color.hpp>

#include "entities/Projectile.hpp"
#include "toolkit/Distributions.hpp"
#include "toolkit/FadeAffector.hpp"
#include "toolkit/ParticleEmitter.hpp"
#include "toolkit/ParticleSystem.hpp"

namespace {

const sf::Time kParticleLifetime = sf::seconds(1.f);
const sf::Time kBurstDuration = sf::seconds(0.1f);
constexpr float kTrailRate = 50.f;

struct BurstMotion {
    float speed;
    float rate;
};

BurstMotion burstMotion(BurstKind kind) {
    switch (kind) {
        case kBuildingStruck:
            return {10.f, 100.f};
        case kMineExploded:
            return {50.f, 600.f};
        default:
            return {40.f, 300.f};
    }
}

sf::Color burstColour(BurstKind kind) {
    switch (kind) {
        case kTrailParticles:
            return {0, 130, 190, 255};
        case kZombieKilled:
            return {255, 50, 50, 255};
        case kHumanBitten:
            return {180, 160, 80, 255};
        case kBuildingStruck:
            return {80, 80, 80, 255};
        case kMineExploded:
            return {200, 120, 50, 255};
        default:
            return sf::Color::White;
    }
}

}  // namespace

void setupParticleFade(tk::ParticleSystem& particles) {
    particles.addAffector(tk::FadeAffector(0.f, 0.8f));
}

void addBurst(tk::ParticleSystem& particles, BurstKind kind, sf::Vector2f position) {
    const BurstMotion motion = burstMotion(kind);
    tk::ParticleEmitter emitter;
    emitter.setEmissionRate(motion.rate);
    emitter.setParticleColor(burstColour(kind));
    emitter.setParticleLifetime(kParticleLifetime);
    emitter.setParticlePosition(position);
    emitter.setParticleVelocity(tk::deflect({motion.speed, 0.f}, 180.f));
    particles.addEmitter(emitter, kBurstDuration);
}

tk::Connection addTrail(tk::ParticleSystem& particles, const Projectile& projectile) {
    const Projectile* followed = &projectile;
    tk::ParticleEmitter emitter;
    emitter.setEmissionRate(kTrailRate);
    emitter.setParticleColor(burstColour(kTrailParticles));
    emitter.setParticleLifetime(kParticleLifetime);
    emitter.setParticlePosition([followed] { return followed->position; });
    emitter.setParticleRotation([followed] { return followed->rotation; });
    return particles.addEmitter(emitter);
}
