#pragma once

#include <SFML/Graphics/Rect.hpp>

#include "world/TimePointSummary.hpp"

// One time point on the timeline bar.
struct TimelineButton {
    TimePointSummary summary;
    sf::FloatRect bounds;
    bool current = false;
};
