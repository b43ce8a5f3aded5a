#pragma once

#include "toolkit/Particle.hpp"

namespace tk {

// What an emitter may do to a particle system: add particles, nothing else.
class EmissionInterface {
public:
    virtual void emitParticle(const Particle& particle) = 0;

protected:
    ~EmissionInterface() = default;
};

}  // namespace tk
