#pragma once

#include <SFML/System/Time.hpp>

#include "toolkit/Particle.hpp"

namespace tk {

// Fades particles in over the first part of their life and out over the last, touching only
// alpha, so that particles appear and vanish smoothly instead of popping.
class FadeAffector {
public:
    // Shares of the lifetime spent fading in and fading out; 0 switches that phase off.
    FadeAffector(float fadeInRatio, float fadeOutRatio);

    void operator()(Particle& particle, sf::Time dt) const;

private:
    float fadeInRatio;
    float fadeOutRatio;
};

}  // namespace tk
