#pragma once

#include <cstdint>

#include "SilentServices.hpp"
#include "app/GameState.hpp"
#include "app/Session.hpp"
#include "entities/ObjectCode.hpp"
#include "toolkit/ParticleSystem.hpp"
#include "ui/Hud.hpp"
#include "world/History.hpp"
#include "world/World.hpp"

// The game with nobody at the controls and nobody watching: the Application's World, History,
// Hud and rules of play, wired to silent services instead of a window and a sound card.
class HeadlessGame {
public:
    // Builds the World from the level, drawing every starting heading from the random engine.
    explicit HeadlessGame(const TileMap& level);
    // The World and the Session point at the members beside them.
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Leaves the title screen, as the player's first click does.
    void start();
    // One fixed step of the game's loop after its input: a simulation step while playing.
    void dispatch();

    bool isLost() const { return state == GameState::GameOver; }
    std::uint32_t stepCount() const { return steps; }
    const WorldState& worldState() const { return world.getState(); }

private:
    Session session();

    SilentWorldRenderer renderer;
    SilentSounds sounds;
    World world;
    History history;
    SilentHudRenderer hudRenderer;
    Hud hud;
    tk::ParticleSystem particles;
    std::uint32_t steps = 0;
    std::int32_t selectedBuilding = NoObject;
    GameState state = GameState::Title;
};
