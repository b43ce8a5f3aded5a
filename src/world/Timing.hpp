#pragma once

#include <SFML/System/Time.hpp>
#include <cstdint>

// The fixed simulation step. The float quotient truncates to 16666 microseconds, and every
// countdown in the game is measured against exactly that value.
inline const sf::Time TimePerFrame = sf::seconds(1.f / 60.f);

// Steps between two snapshots of the world: three seconds of play.
constexpr std::uint32_t StepsPerTimePoint = 180;
