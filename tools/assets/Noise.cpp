#include "Noise.hpp"

namespace assetgen {

float Noise::unit() {
    // 24 bits fit a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(engine() >> 8) / 16777216.f;
}

float Noise::between(float min, float max) {
    return min + (max - min) * unit();
}

int Noise::index(int count) {
    const auto value = static_cast<int>(unit() * static_cast<float>(count));
    return value < count ? value : count - 1;
}

}  // namespace assetgen
