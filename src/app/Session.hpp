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

// The rules of play that run on the Game's values: what a step does, income and the
// end of the game, what a click means, and what a jump in time costs. It only borrows those
// values, so the same rules can be driven without a window.
class Session {
public:
    // The one thing a click can ask of the window: the game-over screen's click closes it.
    enum class ClickOutcome { Continue, CloseWindow };

    // The Game's values the rules work on, borrowed so a test can lend its own.
    struct Parts {
        World& world;
        History& history;
        Hud& hud;
        tk::ParticleSystem& particles;
        std::uint32_t& stepCount;
        std::int32_t& selectedBuilding;
        GameState& state;
    };

    // Cheap to make: the Game builds one for each call instead of keeping one.
    explicit Session(Parts parts) : parts(parts) {}

    // Turret, barricade, mine from the top; shared so the tests play with the game's own menu.
    static void fillBuildMenu(Hud& hud);

    // One pass of the run loop after input: the two screens hold time still, play steps.
    void dispatch();
    // Silent whole steps up to just past the target, so a jump ahead lands where play would.
    void fastForward(TimePoint target);
    // Tried on the timeline bar, the menu, then the map: the interface over the map wins.
    ClickOutcome click(sf::Vector2f position);
    // Goes to a held time point the gold pays for; a jump back refunds the abandoned spending.
    void jumpTo(TimePoint target);

private:
    void step();
    void update();
    void placeSelectedBuilding(sf::Vector2f position);
    void refreshTimeline();

    Parts parts;
};
