#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <optional>
#include <string>

#include "entities/ObjectCode.hpp"

struct RecordedClick;

// Names the moves of a recorded game as they are made, in the words a watcher reads under the
// game and a script reads on standard output: "0:06 mine on column 7, row 5: REASON" or
// "1:12 back to 1:03: REASON", the time the game's clock shows, and cells counted from 0 as
// the level tool counts them. Choosing from the menu is part of the building move after it.
class MoveCaption {
public:
    // The caption of the move this click makes, or none for a click that only chooses.
    std::optional<std::string> of(const RecordedClick& click);

    // "m:ss" of the whole seconds the clock shows at a step.
    static std::string clock(std::uint32_t step);
    // "column 7, row 5", as every caption and reason names a cell.
    static std::string cell(sf::Vector2u cell);

private:
    std::int32_t chosen = NoObject;
};
