#pragma once

#include <vector>

#include "Noise.hpp"

namespace assetgen {

// Smooth value noise that repeats every `period` lattice cells in both directions, so a texture
// built from it tiles without a visible seam.
class PeriodicNoise {
public:
    PeriodicNoise(Noise& source, int period, float cellSize);

    // A value in [0, 1) that varies smoothly with the position (in pixels).
    float at(float x, float y) const;

private:
    float lattice(int column, int row) const;

    int period;
    float cellSize;
    std::vector<float> values;
};

}  // namespace assetgen
