#pragma once

namespace assetgen {

// One value of pi for every painter and synthesiser, so that shapes and tones agree.
constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 2.f * kPi;

// Painters think in degrees; the maths wants radians.
inline float radians(float degrees) {
    return degrees * kPi / 180.f;
}

}  // namespace assetgen
