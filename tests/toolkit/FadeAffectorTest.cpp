#include <gtest/gtest.h>

#include <vector>

#include "toolkit/FadeAffector.hpp"

namespace {

// The alpha a particle born with `alpha` has after `fade` at `passed` of a one-second life.
sf::Uint8 alphaAt(const tk::FadeAffector& fade, sf::Time passed, sf::Uint8 alpha = 255) {
    tk::Particle particle(sf::seconds(1.f));
    particle.color = sf::Color(10, 20, 30, alpha);
    particle.passedMicroseconds = passed.asMicroseconds();
    fade(tk::ParticleRange{&particle, &particle + 1}, sf::microseconds(16666));
    EXPECT_EQ(particle.color.r, 10);
    EXPECT_EQ(particle.color.g, 20);
    EXPECT_EQ(particle.color.b, 30);
    return particle.color.a;
}

TEST(FadeAffectorTest, FadeOutKeepsBirthAlphaThenFallsLinearlyToZero) {
    const tk::FadeAffector fade(0.f, 0.8f);
    EXPECT_EQ(alphaAt(fade, sf::seconds(0.1f), 200), 200);
    EXPECT_EQ(alphaAt(fade, sf::seconds(0.6f)), 128);
    EXPECT_EQ(alphaAt(fade, sf::seconds(0.99f)), 3);
}

TEST(FadeAffectorTest, StartOfAFadeIsOpaqueNotWrappedToTransparent) {
    // At exactly 0.2 the float ratios put the raw value at 256, one past a byte.
    const tk::FadeAffector fade(0.f, 0.8f);
    EXPECT_EQ(alphaAt(fade, sf::seconds(0.2f)), 255);
    EXPECT_EQ(alphaAt(fade, sf::microseconds(200001)), 255);
}

TEST(FadeAffectorTest, FadeInRisesFromZeroAndZeroRatiosSwitchPhasesOff) {
    const tk::FadeAffector fadeIn(0.5f, 0.f);
    EXPECT_EQ(alphaAt(fadeIn, sf::Time::Zero), 0);
    EXPECT_EQ(alphaAt(fadeIn, sf::seconds(0.25f)), 128);
    EXPECT_EQ(alphaAt(fadeIn, sf::seconds(0.5f), 90), 90);  // the fade-in is over at its ratio
    EXPECT_EQ(alphaAt(fadeIn, sf::seconds(0.99f), 90), 90);
    EXPECT_EQ(alphaAt(tk::FadeAffector(0.f, 0.f), sf::seconds(0.99f), 77), 77);
}

TEST(FadeAffectorTest, AParticleWithNoLifetimeIsAlreadyFadedOut) {
    tk::Particle instant(sf::Time::Zero);
    tk::FadeAffector(0.f, 0.5f)(tk::ParticleRange{&instant, &instant + 1}, sf::microseconds(16666));
    EXPECT_EQ(instant.color.a, 0);
}

TEST(FadeAffectorTest, EachParticleOfAnUpdateFadesByItsOwnAge) {
    // The alpha is worked out once for neighbours of one age, never carried over to another.
    std::vector<tk::Particle> particles(3, tk::Particle(sf::seconds(1.f)));
    particles[0].passedMicroseconds = particles[1].passedMicroseconds = 600000;
    particles[2].passedMicroseconds = 990000;
    tk::FadeAffector(0.f, 0.8f)(tk::ParticleRange{particles.data(), particles.data() + 3},
                                sf::microseconds(16666));
    EXPECT_EQ(particles[0].color.a, 128);
    EXPECT_EQ(particles[1].color.a, 128);
    EXPECT_EQ(particles[2].color.a, 3);
}

}  // namespace
