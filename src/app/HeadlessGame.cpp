#include "app/HeadlessGame.hpp"

#include "entities/GameNumbers.hpp"

namespace {

sf::Vector2f middle(const sf::FloatRect& bounds) {
    return {bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f};
}

}  // namespace

HeadlessGame::HeadlessGame(const TileMap& level)
    : game({renderer, sounds, hudRenderer, particles}, level) {}

HeadlessGame::HeadlessGame(const HeadlessGame& original)
    : game({renderer, sounds, hudRenderer, particles}, original.game) {}

void HeadlessGame::start() {
    if (game.state() == GameState::Title) {
        click({0.f, 0.f});
    }
}

bool HeadlessGame::chooseBuilding(std::int32_t code) {
    for (const BuildEntry& entry : hud().getBuildEntries()) {
        if (entry.code == code) {
            Click chosen = aimedAt(Click::On::BuildMenu, middle(entry.bounds));
            chosen.building = code;
            tell(chosen);
            click(chosen.position);
            return true;
        }
    }
    return false;
}

void HeadlessGame::clickCell(std::uint32_t column, std::uint32_t row) {
    const float tile = static_cast<float>(kTileSize);
    const sf::Vector2f position((static_cast<float>(column) + 0.5f) * tile,
                                (static_cast<float>(row) + 0.5f) * tile);
    Click onMap = aimedAt(Click::On::Map, position);
    onMap.cell = {column, row};
    tell(onMap);
    click(onMap.position);
}

bool HeadlessGame::clickTimePoint(TimePoint timePoint) {
    for (const TimelineButton& button : hud().getTimelineButtons()) {
        if (button.summary.timePoint == timePoint) {
            Click jump = aimedAt(Click::On::Timeline, middle(button.bounds));
            jump.timePoint = timePoint;
            tell(jump);
            click(jump.position);
            return true;
        }
    }
    return false;
}

HeadlessGame::Click HeadlessGame::aimedAt(Click::On on, sf::Vector2f position) const {
    Click click;
    click.on = on;
    click.step = stepCount();
    click.position = position;
    return click;
}

void HeadlessGame::tell(const Click& click) const {
    if (clickListener) {
        clickListener(click);
    }
}
