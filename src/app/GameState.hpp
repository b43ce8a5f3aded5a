#pragma once

#include <cstdint>

// What a fixed step does: nothing but show the title, play, or show the end.
enum class GameState : std::int32_t {
    Title = 0,
    Playing = 1,
    GameOver = 2,
};
