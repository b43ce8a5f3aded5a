#include "HeadlessGame.hpp"

HeadlessGame::HeadlessGame(const TileMap& level)
    : world(renderer, sounds, level),
      history([this](TimePoint target) { session().fastForward(target); }),
      hud(hudRenderer) {
    Session::fillBuildMenu(hud);
}

Session HeadlessGame::session() {
    return Session({world, history, hud, particles, steps, selectedBuilding, state});
}

void HeadlessGame::start() {
    if (state == GameState::Title) {
        session().click({0.f, 0.f});
    }
}

void HeadlessGame::dispatch() {
    session().dispatch();
}
