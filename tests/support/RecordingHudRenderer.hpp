#pragma once

#include <string>
#include <vector>

#include "ui/BuildEntry.hpp"
#include "ui/HudRenderer.hpp"
#include "ui/TimelineButton.hpp"

// Stands in for the window under the Hud: a 1024 x 768 screen that writes down its draw calls.
class RecordingHudRenderer final : public HudRenderer {
public:
    sf::Vector2u windowSize() const override { return {1024, 768}; }
    void drawTimelineButton(const TimelineButton& button) override {
        calls.push_back("button " + std::to_string(button.summary.timePoint.index));
    }
    void drawBuildEntry(const BuildEntry& entry) override {
        calls.push_back("entry " + std::to_string(entry.code));
    }
    void drawTitleScreen() override { calls.push_back("title"); }
    void drawGameOverScreen() override { calls.push_back("game over"); }

    std::vector<std::string> calls;
};
