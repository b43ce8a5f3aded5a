#pragma once

#include <cstdint>

#include "app/GameState.hpp"
#include "app/Session.hpp"
#include "entities/ObjectCode.hpp"
#include "ui/Hud.hpp"
#include "world/History.hpp"
#include "world/World.hpp"

class HudRenderer;
class SoundCues;
class TileMap;
class WorldRenderer;
namespace tk {
class ParticleSystem;
}

// One game without its window: the World, History and Hud, and the values the rules of play
// work on, wired to the drawing and sound services it is lent. The Application lends it the
// window's services, tools and tests silent or recording ones, so that all of them play by one
// wiring of the rules.
class Game {
public:
    // What the game draws and sounds through; each must outlive the game.
    struct Services {
        WorldRenderer& renderer;
        SoundCues& sounds;
        HudRenderer& hudRenderer;
        tk::ParticleSystem& particles;
    };

    // Builds the World from the level, drawing every starting heading from the random engine.
    Game(Services services, const TileMap& level);
    // The same from the level file "TileMap.txt" in the working directory, where the game's
    // binary finds it; a file that cannot be read gives an empty level.
    explicit Game(Services services);
    // The same game as another at this moment, window and all, lent other services: the
    // level is not read again and what depends on the grid alone is taken over. Nothing is
    // drawn from the random engine, so making one leaves the original's future as it was.
    Game(Services services, const Game& original);
    // The History and the Session point at the members beside them.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The rules of play on this game's values.
    Session session() { return Session(parts()); }
    // Every value the rules work on, lent out, for tests that set up a moment of play by hand.
    Session::Parts parts();

    // The frame's picture: the world, with the interface over it.
    void draw();

    const World& world() const { return worldPart; }
    const History& history() const { return historyPart; }
    const Hud& hud() const { return hudPart; }
    GameState state() const { return gameState; }
    std::uint32_t stepCount() const { return steps; }

private:
    World worldPart;
    History historyPart;
    Hud hudPart;
    tk::ParticleSystem& particles;
    std::uint32_t steps = 0;
    std::int32_t selectedBuilding = NoObject;
    GameState gameState = GameState::Title;
};
