#pragma once

#include <cstdint>

// The index of a world snapshot: time point k lies 180 * k steps after the start of play.
struct TimePoint {
    std::int32_t index = 0;

    friend bool operator==(TimePoint a, TimePoint b) { return a.index == b.index; }
    friend bool operator!=(TimePoint a, TimePoint b) { return a.index != b.index; }
    friend bool operator<(TimePoint a, TimePoint b) { return a.index < b.index; }
};
