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
            click(middle(entry.bounds));
            return true;
        }
    }
    return false;
}

void HeadlessGame::clickCell(std::uint32_t column, std::uint32_t row) {
    const float tile = static_cast<float>(kTileSize);
    click({(static_cast<float>(column) + 0.5f) * tile, (static_cast<float>(row) + 0.5f) * tile});
}

bool HeadlessGame::clickTimePoint(TimePoint timePoint) {
    for (const TimelineButton& button : hud().getTimelineButtons()) {
        if (button.summary.timePoint == timePoint) {
            click(middle(button.bounds));
            return true;
        }
    }
    return false;
}
