#pragma once

#include <SFML/System/Time.hpp>
#include <cstdint>

// The length of one update in the forms the movement and the timers use, converted once for a
// whole step: the media library's time conversions are never inlined, and every moving entity
// would otherwise make them at each of its updates.
struct StepLength {
    explicit StepLength(sf::Time time)
        : seconds(time.asSeconds()), microseconds(time.asMicroseconds()) {}

    float seconds;
    std::int64_t microseconds;
};
