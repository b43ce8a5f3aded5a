#include "app/Game.hpp"

Game::Game(Services services, const TileMap& level)
    : worldPart(services.renderer, services.sounds, level),
      historyPart([this](TimePoint target) { session().fastForward(target); }),
      hudPart(services.hudRenderer),
      particles(services.particles) {
    Session::fillBuildMenu(hudPart);
}

Session::Parts Game::parts() {
    return {worldPart, historyPart, hudPart, particles, steps, selectedBuilding, gameState};
}
