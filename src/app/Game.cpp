#include "app/Game.hpp"

#include "world/TileMap.hpp"

namespace {

TileMap levelInWorkingDirectory() {
    TileMap level;
    level.load("TileMap.txt");
    return level;
}

}  // namespace

Game::Game(Services services, const TileMap& level)
    : worldPart(services.renderer, services.sounds, level),
      historyPart([this](TimePoint target) { session().fastForward(target); }),
      hudPart(services.hudRenderer),
      particles(services.particles) {
    Session::fillBuildMenu(hudPart);
}

Game::Game(Services services, const Game& original)
    : worldPart(services.renderer, services.sounds, original.worldPart),
      historyPart(original.historyPart,
                  [this](TimePoint target) { session().fastForward(target); }),
      hudPart(services.hudRenderer),
      particles(services.particles),
      steps(original.steps),
      selectedBuilding(original.selectedBuilding),
      gameState(original.gameState) {
    // The Hud is laid out again by the rules that laid out the original's, so that it shows
    // what the original's shows without keeping the original's renderer.
    Session::fillBuildMenu(hudPart);
    hudPart.showTitle = original.hudPart.showTitle;
    hudPart.showGameOver = original.hudPart.showGameOver;
    if (selectedBuilding != NoObject) {
        hudPart.highlightBuilding(selectedBuilding);
    }
    hudPart.setTimeline(historyPart.summaries(), historyPart.currentTimePoint());
}

Game::Game(Services services) : Game(services, levelInWorkingDirectory()) {}

Session::Parts Game::parts() {
    return {worldPart, historyPart, hudPart, particles, steps, selectedBuilding, gameState};
}

void Game::draw() {
    worldPart.draw();
    hudPart.draw();
}
