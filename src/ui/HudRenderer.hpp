#pragma once

#include <SFML/System/Vector2.hpp>

struct BuildEntry;
struct TimelineButton;

// What the Hud asks of the drawing service; tests stand in for it without a window.
class HudRenderer {
public:
    virtual sf::Vector2u windowSize() const = 0;
    virtual void drawTimelineButton(const TimelineButton& button) = 0;
    virtual void drawBuildEntry(const BuildEntry& entry) = 0;
    virtual void drawTitleScreen() = 0;
    virtual void drawGameOverScreen() = 0;

protected:
    ~HudRenderer() = default;
};
