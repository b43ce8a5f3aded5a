#include "world/SpatialIndex.hpp"

#include <algorithm>
#include <cmath>

namespace {

// A bound on the grid, so that a level of any size costs at most a million cells.
constexpr std::int32_t kMostCellsAlongAnEdge = 1024;

}  // namespace

void SpatialIndex::startRebuild(std::size_t count, float extent, float cellSize) {
    const float fewestCells = std::floor(std::sqrt(static_cast<float>(count)));
    const float cells = std::min(
        {std::ceil(extent / cellSize), fewestCells, static_cast<float>(kMostCellsAlongAnEdge)});
    // Also false for an extent that is not a number.
    side = cells >= 1.f ? static_cast<std::int32_t>(cells) : 1;
    cellsPerPixel = static_cast<float>(side) / std::max(extent, 1.f);
    cellStart.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side) + 1, 0);
    cellOfEntity.clear();
    positionOfEntity.clear();
    cellOfEntity.reserve(count);
    positionOfEntity.reserve(count);
}

void SpatialIndex::finishRebuild() {
    // A counting sort: the counts become each cell's first entry, then every entity is placed
    // after the ones before it in its cell, which keeps each cell in sequence order.
    for (std::size_t cell = 1; cell < cellStart.size(); ++cell) {
        cellStart[cell] += cellStart[cell - 1];
    }
    const std::size_t count = cellOfEntity.size();
    numbers.resize(count);
    positions.resize(count);
    for (std::size_t place = 0; place < count; ++place) {
        const std::uint32_t entry = cellStart[cellOfEntity[place]]++;
        numbers[entry] = static_cast<std::uint32_t>(place);
        positions[entry] = positionOfEntity[place];
    }
    // Placing moved each cell's start on to the next cell's; move them back.
    for (std::size_t cell = cellStart.size() - 1; cell > 0; --cell) {
        cellStart[cell] = cellStart[cell - 1];
    }
    cellStart[0] = 0;
}
