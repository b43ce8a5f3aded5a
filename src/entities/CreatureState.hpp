#pragma once

#include <cstdint>

// What a creature is doing, which decides whether it moves and whether it steers.
enum CreatureState : std::int32_t {
    Wander = 0,
    Avoid = 1,
    Chase = 2,
    Attack = 3,
};
