#include "ui/Hud.hpp"

#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"
#include "ui/HudRenderer.hpp"

namespace {

constexpr float kButtonWidth = 20.f;
constexpr float kButtonHeight = 40.f;
constexpr float kEntryWidth = 70.f;
constexpr float kEntryHeight = 50.f;
constexpr float kMargin = 20.f;
constexpr float kSmallMargin = 10.f;

const char* labelOf(std::int32_t code) {
    switch (code) {
        case BuildTurret:
            return "Build a turret";
        case BuildBarricade:
            return "Build a barricade";
        case BuildMine:
            return "Build a mine";
        default:
            return "";
    }
}

}  // namespace

Hud::Hud(HudRenderer& renderer) : renderer(&renderer) {}

void Hud::addBuildEntry(std::int32_t code, std::int32_t index) {
    const auto width = static_cast<float>(renderer->windowSize().x);
    BuildEntry entry;
    entry.code = code;
    entry.cost = buildingPrice(code);
    entry.label = labelOf(code);
    entry.bounds = {width - kEntryWidth - kMargin,
                    (kEntryHeight + kMargin) * static_cast<float>(index) + 200.f - kSmallMargin,
                    kEntryWidth, kEntryHeight};
    constexpr int kPictureWidth = static_cast<int>(kEntryWidth);
    constexpr int kPictureHeight = static_cast<int>(kEntryHeight);
    entry.textureRect = {0, index * kPictureHeight, kPictureWidth, kPictureHeight};
    buildEntries.push_back(entry);
}

void Hud::setTimeline(const std::vector<TimePointSummary>& summaries, TimePoint currentTimePoint) {
    timelineButtons.clear();
    for (const TimePointSummary& summary : summaries) {
        const auto height = static_cast<float>(renderer->windowSize().y);
        const auto index = static_cast<float>(timelineButtons.size());
        TimelineButton button;
        button.summary = summary;
        button.bounds = {kMargin + kButtonWidth * index, height - kButtonHeight - kSmallMargin,
                         kButtonWidth, kButtonHeight};
        button.current = summary.timePoint == currentTimePoint;
        timelineButtons.push_back(button);
    }
}

bool Hud::timelineButtonAt(float x, float y, TimePoint& timePoint) const {
    for (const TimelineButton& button : timelineButtons) {
        if (button.bounds.contains(x, y)) {
            timePoint = button.summary.timePoint;
            return true;
        }
    }
    return false;
}

bool Hud::buildEntryAt(float x, float y, std::int32_t& code) const {
    for (const BuildEntry& entry : buildEntries) {
        if (entry.bounds.contains(x, y)) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

void Hud::clearBuildHighlights() {
    for (BuildEntry& entry : buildEntries) {
        entry.highlighted = false;
    }
}

void Hud::highlightBuilding(std::int32_t code) {
    for (BuildEntry& entry : buildEntries) {
        if (entry.code == code) {
            entry.highlighted = true;
        }
    }
}

std::uint32_t Hud::costOf(std::int32_t code) const {
    for (const BuildEntry& entry : buildEntries) {
        if (entry.code == code) {
            return entry.cost;
        }
    }
    return 0;
}

void Hud::draw() {
    // The current button is drawn last so that its thick outline lies over its neighbours.
    const TimelineButton* current = nullptr;
    for (const TimelineButton& button : timelineButtons) {
        if (button.current) {
            current = &button;
        } else {
            renderer->drawTimelineButton(button);
        }
    }
    if (current != nullptr) {
        renderer->drawTimelineButton(*current);
    }
    for (const BuildEntry& entry : buildEntries) {
        renderer->drawBuildEntry(entry);
    }
    if (showTitle) {
        renderer->drawTitleScreen();
    }
    if (showGameOver) {
        renderer->drawGameOverScreen();
    }
}
