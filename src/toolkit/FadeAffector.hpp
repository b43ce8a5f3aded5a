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
    // Particles emitted together lie side by side and are equally old, so the alpha worked out
    // for one serves the next ones of the same age.
    void operator()(ParticleRange particles, sf::Time /*dt*/) const {
        const Particle* previous = nullptr;
        Fade previousFade;
        for (Particle& particle : particles) {
            const bool sameAge = previous != nullptr &&
                                 particle.passedMicroseconds == previous->passedMicroseconds &&
                                 particle.totalMicroseconds == previous->totalMicroseconds;
            if (!sameAge) {
                previousFade = fadeAt(particle);
            }
            if (previousFade.changes) {
                particle.color.a = previousFade.alpha;
            }
            previous = &particle;
        }
    }

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

    // Whether a particle of that age gets a new alpha, and which: between the fades it keeps
    // the alpha it has.
    struct Fade {
        bool changes = false;
        sf::Uint8 alpha = 0;
    };

    Fade fadeAt(const Particle& particle) const {
        const double progress = elapsedRatio(particle);
        const double fadeIn = fadeInRatio;
        const double fadeOut = fadeOutRatio;
        if (progress < fadeIn) {
            return {true, alphaFor(progress / fadeIn)};
        }
        if (progress > 1.0 - fadeOut) {
            return {true, alphaFor((1.0 - progress) / fadeOut)};
        }
        return {};
    }

    float fadeInRatio;
    float fadeOutRatio;
};

}  // namespace tk
