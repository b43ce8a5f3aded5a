#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// A uniform grid of square cells that files the entities of one sequence by the cell their
// centre lies in, so that a search for what lies within reach of a point looks at the few
// cells the reach touches instead of at the whole sequence. Entities are known by their place
// in the sequence, and each cell lists them in that order, so "the first in the sequence" and
// "the earlier of two equally near" come out exactly as a scan of the whole sequence gives them.
//
// The index keeps the positions the entities had when it was built: it must be rebuilt once
// they move, and once the sequence gains or loses entities. Whether an entity still counts
// (the dead, say) is for the caller's test to decide at the time of the search.
class SpatialIndex {
public:
    static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

    // Files the entities in cells of at least cellSize pixels over the square from (0, 0) to
    // (extent, extent), with no more cells than entities, so that a few entities on a large
    // level are not spread over many empty cells; an entity outside the square, or at no
    // position at all, is filed in the nearest border cell, where every search that could reach
    // it looks.
    template <typename Entities>
    void rebuild(const Entities& entities, float extent, float cellSize) {
        startRebuild(entities.size(), extent, cellSize);
        for (const auto& entity : entities) {
            fileNext(entity.position);
        }
        finishRebuild();
    }

    // The place in the sequence of the first entity within reach of centre (on each axis) for
    // which accepts(place, position) holds, or kNone.
    template <typename Accepts>
    std::size_t first(sf::Vector2f centre, float reach, Accepts accepts) const {
        std::size_t found = kNone;
        if (numbers.empty()) {
            return found;
        }
        const CellRange range = cellsAround(centre, reach);
        for (std::int32_t row = range.top; row <= range.bottom; ++row) {
            for (std::int32_t column = range.left; column <= range.right; ++column) {
                const std::size_t cell = cellAt(column, row);
                // Each cell lists its entities in sequence order: past the best found so far,
                // nothing in this cell can be earlier.
                for (std::uint32_t entry = cellStart[cell];
                     entry < cellStart[cell + 1] && numbers[entry] < found; ++entry) {
                    if (accepts(std::size_t{numbers[entry]}, positions[entry])) {
                        found = numbers[entry];
                        break;
                    }
                }
            }
        }
        return found;
    }

    // Calls visit(place, position) for every entity filed in the cells within reach of centre,
    // cell by cell: callers that pick among them must settle ties by place themselves.
    template <typename Visit>
    void forEachNear(sf::Vector2f centre, float reach, Visit visit) const {
        if (numbers.empty()) {
            return;
        }
        const CellRange range = cellsAround(centre, reach);
        for (std::int32_t row = range.top; row <= range.bottom; ++row) {
            for (std::int32_t column = range.left; column <= range.right; ++column) {
                const std::size_t cell = cellAt(column, row);
                for (std::uint32_t entry = cellStart[cell]; entry < cellStart[cell + 1]; ++entry) {
                    visit(std::size_t{numbers[entry]}, positions[entry]);
                }
            }
        }
    }

private:
    struct CellRange {
        std::int32_t left;
        std::int32_t top;
        std::int32_t right;
        std::int32_t bottom;
    };

    void startRebuild(std::size_t count, float extent, float cellSize);
    void fileNext(sf::Vector2f position) {
        const auto cell =
            static_cast<std::uint32_t>(cellAt(cellOf(position.x), cellOf(position.y)));
        cellOfEntity.push_back(cell);
        positionOfEntity.push_back(position);
        ++cellStart[cell + 1];
    }
    void finishRebuild();

    // The column or row of a coordinate, held to the grid.
    std::int32_t cellOf(float coordinate) const {
        const float cell = coordinate * cellsPerPixel;
        // Written so that a coordinate that is not a number lands in the first cell too.
        if (!(cell >= 0.f)) {
            return 0;
        }
        return cell < static_cast<float>(side) ? static_cast<std::int32_t>(cell) : side - 1;
    }
    CellRange cellsAround(sf::Vector2f centre, float reach) const {
        if (side == 1) {
            return {0, 0, 0, 0};
        }
        return {cellOf(centre.x - reach), cellOf(centre.y - reach), cellOf(centre.x + reach),
                cellOf(centre.y + reach)};
    }
    std::size_t cellAt(std::int32_t column, std::int32_t row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(side) +
               static_cast<std::size_t>(column);
    }

    float cellsPerPixel = 1.f;
    std::int32_t side = 1;  // cells along each edge
    // Entity places grouped by cell, in sequence order within each: the entries of cell c are
    // numbers[cellStart[c]] up to numbers[cellStart[c + 1]], with their positions alongside.
    std::vector<std::uint32_t> cellStart;
    std::vector<std::uint32_t> numbers;
    std::vector<sf::Vector2f> positions;
    // The cell of each entity in sequence order, kept between the two passes of a rebuild.
    std::vector<std::uint32_t> cellOfEntity;
    std::vector<sf::Vector2f> positionOfEntity;
};
