#include "app/Session.hpp"

#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"
#include "toolkit/ParticleSystem.hpp"
#include "ui/Hud.hpp"
#include "world/History.hpp"
#include "world/TileMap.hpp"
#include "world/World.hpp"

namespace {

std::uint32_t firstStepAfter(TimePoint timePoint) {
    return StepsPerTimePoint * static_cast<std::uint32_t>(timePoint.index) + 1;
}

}  // namespace

void Session::fillBuildMenu(Hud& hud) {
    hud.addBuildEntry(BuildTurret, 0);
    hud.addBuildEntry(BuildBarricade, 1);
    hud.addBuildEntry(BuildMine, 2);
}

void Session::dispatch() {
    switch (parts.state) {
        case GameState::Title:
            parts.hud.showTitle = true;
            break;
        case GameState::Playing:
            step();
            break;
        case GameState::GameOver:
            parts.hud.showGameOver = true;
            break;
    }
}

void Session::step() {
    ++parts.stepCount;
    parts.world.step(TimePerFrame);
    parts.particles.update(TimePerFrame);
    update();
}

void Session::update() {
    if (parts.stepCount % StepsPerTimePoint != 0) {
        // The bar shows the History, which only a record or a jump changes, and a jump
        // refreshes the bar itself: between records there is nothing new to show.
        return;
    }
    parts.world.addGold(kIncomePerTimePoint);
    parts.history.record(parts.world.getState());
    // Lost only when even the oldest moment the player could return to is overrun.
    const auto summaries = parts.history.summaries();
    if (!summaries.empty() && summaries.front().zombieRatio >= 1.f) {
        parts.state = GameState::GameOver;
    }
    // No frame is drawn while a jump plays the skipped steps, and the jump refreshes the bar
    // once it lands, so a bar rebuilt at each of those steps would never be seen.
    if (!parts.history.isBusy()) {
        parts.hud.setTimeline(summaries, parts.history.currentTimePoint());
    }
}

void Session::fastForward(TimePoint target) {
    parts.world.setSilent(true);
    const std::uint32_t limit = firstStepAfter(target);
    // A game that ends on the way stops the run there: nothing can happen after the end.
    while (parts.stepCount < limit && parts.state == GameState::Playing) {
        step();
    }
    parts.world.setSilent(false);
}

Session::ClickOutcome Session::click(sf::Vector2f position) {
    if (parts.state == GameState::Title) {
        parts.state = GameState::Playing;
        parts.hud.showTitle = false;
        return ClickOutcome::Continue;
    }
    if (parts.state == GameState::GameOver) {
        parts.hud.showGameOver = false;
        return ClickOutcome::CloseWindow;
    }
    TimePoint target;
    std::int32_t code = NoObject;
    if (parts.hud.timelineButtonAt(position.x, position.y, target)) {
        jumpTo(target);
    } else if (parts.hud.buildEntryAt(position.x, position.y, code)) {
        parts.selectedBuilding = code;
        parts.hud.clearBuildHighlights();
        parts.hud.highlightBuilding(code);
    } else {
        placeSelectedBuilding(position);
    }
    return ClickOutcome::Continue;
}

void Session::placeSelectedBuilding(sf::Vector2f position) {
    const std::uint32_t size = parts.world.getState().tileMap.size;
    const float edge = static_cast<float>(size) * static_cast<float>(kTileSize);
    const bool onMap =
        position.x >= 0.f && position.x < edge && position.y >= 0.f && position.y < edge;
    if (!onMap || parts.selectedBuilding == NoObject) {
        return;
    }
    const auto column = static_cast<std::uint32_t>(position.x / static_cast<float>(kTileSize));
    const auto row = static_cast<std::uint32_t>(position.y / static_cast<float>(kTileSize));
    if (parts.world.trySpend(parts.hud.costOf(parts.selectedBuilding))) {
        parts.world.placeObject(column, row, parts.selectedBuilding);
    }
}

void Session::jumpTo(TimePoint target) {
    const WorldState* destination = parts.history.find(target);
    const std::int32_t distance = target.index - parts.history.currentTimePoint().index;
    if (destination == nullptr || distance == 0) {
        return;
    }
    // Going back refunds what was spent in the abandoned stretch of time. The refund is held
    // at zero should the target's snapshot have spent more than the present has.
    const std::uint32_t spentNow = parts.world.getState().goldSpent;
    const std::uint32_t refund =
        distance < 0 && spentNow > destination->goldSpent ? spentNow - destination->goldSpent : 0;
    const std::uint32_t cost = distance < 0
                                   ? kJumpBackPrice * static_cast<std::uint32_t>(-distance)
                                   : kJumpForwardPrice * static_cast<std::uint32_t>(distance);
    // The price is weighed against the gold before the refund is paid.
    if (!parts.world.trySpend(cost)) {
        return;
    }
    if (const auto arrived = parts.history.goTo(target)) {
        parts.world.replaceState(*arrived);
        parts.world.addGold(refund);
        parts.stepCount = firstStepAfter(target);
    }
    refreshTimeline();
}

void Session::refreshTimeline() {
    parts.hud.setTimeline(parts.history.summaries(), parts.history.currentTimePoint());
}
