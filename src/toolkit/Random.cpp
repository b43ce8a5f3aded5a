#include "toolkit/Random.hpp"

#include <chrono>

namespace tk {

std::mt19937& randomEngine() {
    static std::mt19937 engine(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return engine;
}

void setRandomSeed(std::mt19937::result_type seed) {
    randomEngine().seed(seed);
}

int random(int min, int max) {
    return std::uniform_int_distribution<int>(min, max)(randomEngine());
}

float random(float min, float max) {
    // uniform_real_distribution may round up to max for floats; redraw so the range stays open.
    std::uniform_real_distribution<float> distribution(min, max);
    float value = distribution(randomEngine());
    while (value >= max && max > min) {
        value = distribution(randomEngine());
    }
    return value;
}

}  // namespace tk
