#pragma once

#include <cstdint>
#include <random>

namespace assetgen {

// A seeded random source whose numbers depend only on the seed and on the engine's fully
// standardised output (never on a library's distributions), so every build paints and plays
// exactly the same assets.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : engine(seed) {}

    // Uniform in [0, 1).
    float unit();

    // Uniform in [min, max).
    float between(float min, float max);

    // Uniform in [-1, 1): white noise for the synthesiser.
    float signedUnit() { return between(-1.f, 1.f); }

    // Uniform whole number in [0, count); count must be positive.
    int index(int count);

    // True with the given probability.
    bool chance(float probability) { return unit() < probability; }

private:
    std::mt19937 engine;
};

}  // namespace assetgen
