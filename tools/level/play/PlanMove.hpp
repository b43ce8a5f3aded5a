#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <optional>

#include "entities/ObjectCode.hpp"
#include "world/TimePoint.hpp"

class HeadlessGame;

// What one look at the game can come to: a jump to a time point, a building on a cell, both in
// that order, or nothing at all.
struct PlanMove {
    std::optional<TimePoint> jump;
    std::int32_t building = NoObject;
    sf::Vector2u cell;
    // The zombie the building is against, by the cell it stood on, for the move's reason.
    std::optional<sf::Vector2u> against;

    bool isNothing() const { return !jump && building == NoObject; }
    // The clicks a person would make: the time point's button, the menu entry, then the cell.
    void click(HeadlessGame& game) const;
};
