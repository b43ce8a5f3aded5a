#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <cstdlib>
#include <memory>

#include "support/Display.hpp"
#include "toolkit/ParticleEmitter.hpp"
#include "toolkit/ParticleSystem.hpp"

namespace {

const sf::Time kStep = sf::microseconds(16666);

// An emitter that places one given particle on its first call only.
tk::ParticleSystem::Emitter once(tk::Particle particle) {
    auto done = std::make_shared<bool>(false);
    return [particle, done](tk::EmissionInterface& system, sf::Time) {
        if (!*done) {
            system.emitParticle(particle);
            *done = true;
        }
    };
}

tk::ParticleEmitter steadyEmitter(float rate) {
    tk::ParticleEmitter emitter;
    emitter.setEmissionRate(rate);
    emitter.setParticleLifetime(sf::seconds(10.f));
    return emitter;
}

TEST(ParticleSystemTest, ShortBurstsEmitEveryStepUntilTheirTimeIsUp) {
    for (const auto& [rate, expected] : {std::pair{300.f, 34u}, {100.f, 11u}, {600.f, 69u}}) {
        tk::ParticleSystem system;
        system.addEmitter(steadyEmitter(rate), sf::seconds(0.1f));
        for (int step = 1; step <= 20; ++step) {
            system.update(kStep);
            EXPECT_EQ(system.emitterCount(), step < 7 ? 1u : 0u) << "step " << step;
        }
        EXPECT_EQ(system.particleCount(), expected) << "rate " << rate;
    }
}

TEST(ParticleSystemTest, NewParticlesAgeAndMoveInTheirFirstUpdateAndDieAtTheirLifetime) {
    tk::Particle particle(sf::seconds(1.f));
    particle.velocity = {60.f, -20.f};
    particle.rotationSpeed = 90.f;
    tk::ParticleSystem system;
    system.addEmitter(once(particle));
    system.update(sf::seconds(0.5f));
    ASSERT_EQ(system.particleCount(), 1u);
    EXPECT_EQ(system.livingParticles()[0].position, sf::Vector2f(30.f, -10.f));
    EXPECT_EQ(system.livingParticles()[0].rotation, 45.f);
    system.update(sf::microseconds(499999));
    EXPECT_EQ(system.particleCount(), 1u);
    system.update(sf::microseconds(1));
    EXPECT_EQ(system.particleCount(), 0u);
}

TEST(ParticleSystemTest, AffectorsApplyInOrderToSurvivorsOnlyAndTimedOnesExpire) {
    tk::ParticleSystem system;
    system.addEmitter(once(tk::Particle(kStep)));  // dies in its first update
    system.addEmitter(once(tk::Particle(sf::seconds(1.f))));
    int calls = 0;
    system.addAffector([&calls](tk::ParticleRange particles, sf::Time) {
        for (tk::Particle& p : particles) {
            p.color.r = 10, ++calls;
        }
    });
    system.addAffector(
        [](tk::ParticleRange particles, sf::Time) {
            for (tk::Particle& p : particles) {
                p.color.r *= 2;
            }
        },
        sf::microseconds(2 * 16666));
    system.update(kStep);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(system.livingParticles()[0].color.r, 20);
    system.update(kStep);
    system.update(kStep);
    EXPECT_EQ(system.livingParticles()[0].color.r, 10) << "the doubling lasted two updates";
}

TEST(ParticleSystemTest, HandlesReadDisconnectedAfterDisconnectExpiryOrTheSystemsEnd) {
    auto system = std::make_unique<tk::ParticleSystem>();
    const tk::Connection kept = system->addEmitter(steadyEmitter(60.f));
    tk::Connection copy = kept;
    tk::Connection timed = system->addEmitter(steadyEmitter(120.f), kStep);
    const tk::Connection lasting = system->addAffector([](tk::ParticleRange, sf::Time) {});
    copy.disconnect();
    EXPECT_EQ(system->emitterCount(), 1u);
    EXPECT_FALSE(kept.isConnected());
    system->update(kStep);
    EXPECT_FALSE(timed.isConnected());
    timed.disconnect();
    EXPECT_EQ(system->particleCount(), 1u) << "only the timed emitter ran, once";

    // Moving the system keeps its handles working; destroying it releases them.
    tk::ParticleSystem moved = std::move(*system);
    system.reset();
    EXPECT_TRUE(lasting.isConnected());
    { const tk::ParticleSystem gone = std::move(moved); }
    EXPECT_FALSE(lasting.isConnected());
    tk::Connection(lasting).disconnect();
}

TEST(ParticleSystemTest, DrawsCentredTintedTurnedQuadsNewestOnTop) {
    if (!hasDisplay()) {
        GTEST_SKIP() << "drawing needs an X display for OpenGL";
    }
    const GraphicsLeakGuard driverAllocations;
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(20, 20));
    const auto drawn = [&target](const tk::ParticleSystem& system) {
        target.clear(sf::Color::Black);
        target.draw(system);
        target.display();
        return target.getTexture().copyToImage();
    };
    const auto at = [](sf::Vector2f position, sf::Color color, sf::Vector2f scale, float turn) {
        tk::Particle particle(sf::seconds(1.f));
        particle.position = position, particle.color = color, particle.scale = scale;
        particle.rotation = turn;
        return particle;
    };
    tk::ParticleSystem plain;
    plain.addEmitter(once(at({10.f, 10.f}, sf::Color::Green, {6.f, 6.f}, 0.f)));
    plain.update(sf::microseconds(1));
    EXPECT_EQ(drawn(plain).getPixel(8, 12), sf::Color::Green) << "no texture: a 1x1 square";

    sf::Image white;
    white.create(4, 4, sf::Color::White);
    sf::Texture texture;
    ASSERT_TRUE(texture.loadFromImage(white));
    tk::ParticleSystem system;
    system.setTexture(texture);
    system.addEmitter(once(at({15.f, 15.f}, sf::Color::Red, {1.f, 1.f}, 0.f)));
    system.addEmitter(once(at({15.f, 15.f}, sf::Color(200, 120, 50), {2.f, 0.5f}, 0.f)));
    system.addEmitter(once(at({4.f, 4.f}, sf::Color::Blue, {2.f, 0.5f}, 90.f)));
    system.update(sf::microseconds(1));
    const sf::Image image = drawn(system);
    // Red is 4 x 4 around (15, 15); orange over it is 8 x 2; blue is turned to 2 x 8.
    EXPECT_EQ(image.getPixel(15, 15), sf::Color(200, 120, 50));
    EXPECT_EQ(image.getPixel(11, 14), sf::Color(200, 120, 50));
    EXPECT_EQ(image.getPixel(15, 13), sf::Color::Red);
    EXPECT_EQ(image.getPixel(10, 15), sf::Color::Black);
    EXPECT_EQ(image.getPixel(4, 1), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(2, 4), sf::Color::Black);
}

}  // namespace
