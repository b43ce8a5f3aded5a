#pragma once

// How many games of a level, and how long, tell enough about it: what is played when nobody
// asks for other numbers, by the commands and by the searching player alike.
struct GameCounts {
    static constexpr int kSeeds = 8;
    static constexpr int kMinutes = 10;
};
