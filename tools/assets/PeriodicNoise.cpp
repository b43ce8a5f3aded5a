#include "PeriodicNoise.hpp"

#include <cmath>

namespace assetgen {

namespace {

float smooth(float t) {
    return t * t * (3.f - 2.f * t);
}

int wrap(int value, int period) {
    const int rest = value % period;
    return rest < 0 ? rest + period : rest;
}

}  // namespace

PeriodicNoise::PeriodicNoise(Noise& source, int period, float cellSize)
    : period(period > 0 ? period : 1), cellSize(cellSize) {
    values.resize(static_cast<std::size_t>(this->period * this->period));
    for (float& value : values) {
        value = source.unit();
    }
}

float PeriodicNoise::lattice(int column, int row) const {
    return values[static_cast<std::size_t>(wrap(row, period) * period + wrap(column, period))];
}

float PeriodicNoise::at(float x, float y) const {
    const float u = x / cellSize;
    const float v = y / cellSize;
    const float left = std::floor(u);
    const float top = std::floor(v);
    const int column = static_cast<int>(left);
    const int row = static_cast<int>(top);
    const float tx = smooth(u - left);
    const float ty = smooth(v - top);
    const float upper =
        lattice(column, row) + tx * (lattice(column + 1, row) - lattice(column, row));
    const float lower =
        lattice(column, row + 1) + tx * (lattice(column + 1, row + 1) - lattice(column, row + 1));
    return upper + ty * (lower - upper);
}

}  // namespace assetgen
