#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>

#include "app/GameState.hpp"
#include "world/TimePoint.hpp"

class History;
class Hud;
class World;
namespace tk {
class ParticleSystem;
}

// The rules of play that run on the Application's values: what a step does, income and the
// end of the game, what a click means, and what a jump in time costs. It only borrows those
// values, so the same rules can be driven without a window.
class Session {
public:
    enum class ClickOutcome { Continue, CloseWindow };

    struct Parts {
        World& world;
        History& history;
        Hud& hud;
        tk::ParticleSystem& particles;
        std::uint32_t& stepCount;
        std::int32_t& selectedBuilding;
        GameState& state;
    };

    explicit Session(Parts parts) : parts(parts) {}

    // The game's build menu: turret, barricade and mine, from the top.
    static void fillBuildMenu(Hud& hud);

    // One fixed-time iteration of the run loop, after the input callbacks.
    void dispatch();
    void fastForward(TimePoint target);
    ClickOutcome click(sf::Vector2f position);
    void jumpTo(TimePoint target);

private:
    void step();
    void update();
    void placeSelectedBuilding(sf::Vector2f position);
    void refreshTimeline();

    Parts parts;
};
