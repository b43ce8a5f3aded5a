#include "toolkit/Particle.hpp"

namespace tk {

float elapsedRatio(const Particle& particle) {
    // Whole microseconds divide exactly in double; a zero lifetime counts as already over.
    const auto total = particle.totalLifetime.asMicroseconds();
    if (total <= 0) {
        return 1.f;
    }
    return static_cast<float>(static_cast<double>(particle.passedLifetime.asMicroseconds()) /
                              static_cast<double>(total));
}

}  // namespace tk
