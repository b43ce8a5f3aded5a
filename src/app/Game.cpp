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

Game::Game(Services services) : Game(services, levelInWorkingDirectory()) {}

Session::Parts Game::parts() {
    return {worldPart, historyPart, hudPart, particles, steps, selectedBuilding, gameState};
}

void Game::draw() {
    worldPart.draw();
    hudPart.draw();
}
