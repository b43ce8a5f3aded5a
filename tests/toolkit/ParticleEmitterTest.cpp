#include <gtest/gtest.h>

#include <vector>

#include "toolkit/ParticleEmitter.hpp"

namespace {

struct Recorder : tk::EmissionInterface {
    void emitParticle(const tk::Particle& particle) override { emitted.push_back(particle); }
    std::vector<tk::Particle> emitted;
};

TEST(ParticleEmitterTest, FractionsCarryOverAndBadRatesOrStepsEmitNothing) {
    tk::ParticleEmitter emitter;
    emitter.setEmissionRate(2.5f);
    Recorder recorder;
    std::vector<std::size_t> totals;
    for (int call = 0; call < 4; ++call) {
        emitter(recorder, sf::seconds(0.2f));  // half a particle owed per call
        totals.push_back(recorder.emitted.size());
    }
    EXPECT_EQ(totals, (std::vector<std::size_t>{0, 1, 1, 2}));

    emitter(recorder, sf::seconds(-1.f));
    emitter.setEmissionRate(-50.f);
    emitter(recorder, sf::seconds(10.f));
    EXPECT_EQ(recorder.emitted.size(), 2u);
}

TEST(ParticleEmitterTest, UnsetPropertiesKeepDefaultsAndFunctionsAreReadPerEmission) {
    float sourceX = 0.f;
    tk::ParticleEmitter emitter;
    emitter.setParticlePosition([&sourceX] { return sf::Vector2f(sourceX, 5.f); });
    emitter.setParticleRotation([&sourceX] { return sourceX * 2.f; });
    Recorder recorder;
    for (sourceX = 1.f; sourceX < 3.5f; sourceX += 1.f) {
        emitter(recorder, sf::seconds(1.f));  // the default rate is one a second
    }
    ASSERT_EQ(recorder.emitted.size(), 3u);
    EXPECT_EQ(recorder.emitted[2].position, sf::Vector2f(3.f, 5.f));
    EXPECT_EQ(recorder.emitted[1].rotation, 4.f);
    const tk::Particle& particle = recorder.emitted[0];
    EXPECT_EQ(particle.totalMicroseconds, 1000000);
    EXPECT_EQ(particle.velocity, sf::Vector2f());
    EXPECT_EQ(particle.scale, sf::Vector2f(1.f, 1.f));
    EXPECT_EQ(particle.color, sf::Color::White);
}

}  // namespace
