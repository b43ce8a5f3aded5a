#pragma once

#include <cstdint>
#include <vector>

#include "ui/BuildEntry.hpp"
#include "ui/TimelineButton.hpp"
#include "world/TimePointSummary.hpp"

class HudRenderer;

// The clickable interface over the world: the timeline bar along the bottom, the build menu at
// the right, and the flags that lay the title or game-over screen over everything.
class Hud {
public:
    // Draws through the renderer only, so the layout can be tested without a window.
    explicit Hud(HudRenderer& renderer);

    // Places an entry by its menu row, with the label and price of its kind of building.
    void addBuildEntry(std::int32_t code, std::int32_t index);
    // Rebuilt from the History after every step the player sees, so the bar always shows what
    // a click can reach.
    void setTimeline(const std::vector<TimePointSummary>& summaries, TimePoint currentTimePoint);

    // Hit tests: right and bottom edges belong to the neighbour, so no point hits two.
    bool timelineButtonAt(float x, float y, TimePoint& timePoint) const;
    bool buildEntryAt(float x, float y, std::int32_t& code) const;

    // Called before highlightBuilding, so that only the latest choice stays outlined.
    void clearBuildHighlights();
    // Outlines the chosen kind, so the player sees what the next map click builds.
    void highlightBuilding(std::int32_t code);
    // The price of the first entry of that kind, 0 when the menu has none.
    std::uint32_t costOf(std::int32_t code) const;

    // The current time point is drawn last, so its thick outline lies over its neighbours.
    void draw();

    // Read by the tests and the soak player, which click where the Hud put things.
    const std::vector<TimelineButton>& getTimelineButtons() const { return timelineButtons; }
    const std::vector<BuildEntry>& getBuildEntries() const { return buildEntries; }

private:
    HudRenderer* renderer;

public:
    // Set by the rules of play; the screens lie over everything, so the Hud draws them last.
    bool showTitle = false;
    bool showGameOver = false;

private:
    std::vector<TimelineButton> timelineButtons;
    std::vector<BuildEntry> buildEntries;
};
