#pragma once

#include <SFML/System/Time.hpp>
#include <algorithm>
#include <cmath>

#include "toolkit/Particle.hpp"

namespace tk {

// Fades particles in over the first part of their life and out over the last, touching only
// alpha, so that particles appear and vanish smoothly instead of popping.
class FadeAffector {
public:
    // Shares of the lifetime spent fading in and fading out; 0 switches that phase off.
    FadeAffector(float fadeInRatio, float fadeOutRatio)
        : fadeInRatio(fadeInRatio), fadeOutRatio(fadeOutRatio) {}

    // Every particle of an update in one plain loop, the way the particle system calls it.
    void operator()(ParticleRange particles, sf::Time /*dt*/) const {
        for (Particle& particle : particles) {
            fade(particle);
        }
    }
    void operator()(Particle& particle, sf::Time /*dt*/) const { fade(particle); }

private:
    // The ratios arrive as floats (0.8f is a hair above 0.8), which would cut whole values such
    // as 256 x 0.4 / 0.8 = 128 down to 127; this slack keeps them whole without moving others.
    static constexpr double kSlack = 1e-4;

    // 256 x share, cut to a whole number and held to a byte: at the very start of a fade the
    // share reaches 1 and 256 would otherwise wrap to a fully transparent 0.
    static sf::Uint8 alphaFor(double share) {
        const double alpha = std::floor(256.0 * share + kSlack);
        return static_cast<sf::Uint8>(std::clamp(alpha, 0.0, 255.0));
    }

    void fade(Particle& particle) const {
        const double progress = elapsedRatio(particle);
        const double fadeIn = fadeInRatio;
        const double fadeOut = fadeOutRatio;
        if (progress < fadeIn) {
            particle.color.a = alphaFor(progress / fadeIn);
        } else if (progress > 1.0 - fadeOut) {
            particle.color.a = alphaFor((1.0 - progress) / fadeOut);
        }
    }

    float fadeInRatio;
    float fadeOutRatio;
};

}  // namespace tk
