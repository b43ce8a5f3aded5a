#pragma once

#include <functional>

#include "entities/GameNumbers.hpp"
#include "support/Levels.hpp"
#include "support/RecordingRenderer.hpp"
#include "support/RecordingSounds.hpp"
#include "world/World.hpp"

// A World wired to recorders, with the game's step order and a way to arrange its entities.
struct TestWorld {
    explicit TestWorld(const TileMap& level = levels::arena()) : world(renderer, sounds, level) {}
    // The World points at the recorders, so they must stay where they are.
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    // Lets a test place entities exactly: edits a copy of the state and puts it back.
    void arrange(const std::function<void(WorldState&)>& edit) {
        WorldState copy = world.getState();
        edit(copy);
        world.replaceState(copy);
    }

    // One step in the order the game runs it.
    void step() { world.step(TimePerFrame); }
    void steps(int count) {
        for (int i = 0; i < count; ++i) {
            step();
        }
    }

    const WorldState& state() const { return world.getState(); }

    RecordingRenderer renderer;
    RecordingSounds sounds;
    World world;
};

// Creatures as the level file makes them, at a place and heading a test chooses.
inline Creature zombieAt(sf::Vector2f position, float rotation = 0.f) {
    return Creature(position, rotation, true);
}
inline Creature humanAt(sf::Vector2f position, float rotation = 0.f) {
    return Creature(position, rotation, false);
}
