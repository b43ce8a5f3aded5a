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
    explicit Hud(HudRenderer& renderer);

    void addBuildEntry(std::int32_t code, std::int32_t index);
    void setTimeline(const std::vector<TimePointSummary>& summaries, TimePoint currentTimePoint);

    // Hit tests: right and bottom edges belong to the neighbour.
    bool timelineButtonAt(float x, float y, TimePoint& timePoint) const;
    bool buildEntryAt(float x, float y, std::int32_t& code) const;

    void clearBuildHighlights();
    void highlightBuilding(std::int32_t code);
    // The price of the first entry of that kind, 0 when the menu has none.
    std::uint32_t costOf(std::int32_t code) const;

    void draw();

    const std::vector<TimelineButton>& getTimelineButtons() const { return timelineButtons; }
    const std::vector<BuildEntry>& getBuildEntries() const { return buildEntries; }

private:
    HudRenderer* renderer;

public:
    bool showTitle = false;
    bool showGameOver = false;

private:
    std::vector<TimelineButton> timelineButtons;
    std::vector<BuildEntry> buildEntries;
};
