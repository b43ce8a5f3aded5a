#pragma once

#include <random>

namespace tk {

// The one random engine of the process, seeded from the clock on first use.
std::mt19937& randomEngine();

// Lets tests make a run reproducible.
void setRandomSeed(std::mt19937::result_type seed);

// Uniform in the closed range [min, max].
int random(int min, int max);

// Uniform in the half-open range [min, max).
float random(float min, float max);

}  // namespace tk
