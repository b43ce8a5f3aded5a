#pragma once

#include <cmath>

namespace assetgen {

// The loudness shape of a note or hit: a linear rise, an optional hold at full level, then an
// exponential fall with the given time constant.
struct Envelope {
    float attack = 0.001f;
    float hold = 0.f;
    float decay = 0.1f;

    float at(float seconds) const {
        if (seconds < 0.f) {
            return 0.f;
        }
        if (seconds < attack) {
            return seconds / attack;
        }
        if (seconds < attack + hold) {
            return 1.f;
        }
        return std::exp(-(seconds - attack - hold) / decay);
    }
};

}  // namespace assetgen
