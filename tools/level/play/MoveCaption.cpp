#include "play/MoveCaption.hpp"

#include <cstdio>

#include "entities/GameNumbers.hpp"
#include "play/ClickRecord.hpp"

namespace {

std::string buildingName(std::int32_t code) {
    switch (code) {
        case BuildTurret:
            return "turret";
        case BuildBarricade:
            return "barricade";
        case BuildMine:
            return "mine";
        default:
            return "nothing";
    }
}

}  // namespace

std::optional<std::string> MoveCaption::of(const RecordedClick& recorded) {
    const HeadlessGame::Click& click = recorded.click;
    std::string move;
    switch (click.on) {
        case HeadlessGame::Click::On::BuildMenu:
            chosen = click.building;
            return std::nullopt;
        case HeadlessGame::Click::On::Map:
            move = buildingName(chosen) + " on " + cell(click.cell);
            break;
        case HeadlessGame::Click::On::Timeline: {
            const auto target =
                static_cast<std::uint32_t>(click.timePoint.index) * StepsPerTimePoint;
            move = std::string(target < click.step ? "back" : "ahead") + " to " + clock(target);
            break;
        }
    }
    std::string caption = clock(click.step) + " " + move;
    if (!recorded.reason.empty()) {
        caption += ": " + recorded.reason;
    }
    return caption;
}

std::string MoveCaption::clock(std::uint32_t step) {
    const std::uint32_t seconds = step / kStepsPerSecond;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u", seconds / 60, seconds % 60);
    return text;
}

std::string MoveCaption::cell(sf::Vector2u cell) {
    return "column " + std::to_string(cell.x) + ", row " + std::to_string(cell.y);
}
