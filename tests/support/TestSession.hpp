#pragma once

#include "app/Game.hpp"
#include "entities/ObjectCode.hpp"
#include "support/Levels.hpp"
#include "support/RecordingHudRenderer.hpp"
#include "support/RecordingRenderer.hpp"
#include "support/RecordingSounds.hpp"
#include "ui/Hud.hpp"
#include "world/History.hpp"
#include "world/World.hpp"

// The game wired to recorders, so commands and long games can be driven from a test. The
// renderer is either the recorder, which notes bursts and trails, or one that makes real
// particles; either owns the particle system that the step advances, as the game's Renderer
// does. The game's values are open to the test by their names in the rules of play.
template <typename Renderer>
struct BasicTestSession {
    explicit BasicTestSession(const TileMap& level = levels::arena())
        : game({renderer, sounds, hudRenderer, renderer.particles}, level) {}
    BasicTestSession(const BasicTestSession&) = delete;
    BasicTestSession& operator=(const BasicTestSession&) = delete;

    Session session() { return game.session(); }

    Session::ClickOutcome click(float x, float y) { return session().click({x, y}); }

    // Leaves the title screen and plays until the given time point has been recorded.
    void playUntil(TimePoint timePoint) {
        if (state == GameState::Title) {
            click(0.f, 0.f);
        }
        while (history.currentTimePoint() < timePoint && state == GameState::Playing) {
            session().dispatch();
        }
    }

    // Centre of the timeline button of a time point, if the bar shows it.
    sf::Vector2f buttonOf(TimePoint timePoint) const {
        for (const TimelineButton& button : hud.getTimelineButtons()) {
            if (button.summary.timePoint == timePoint) {
                return {button.bounds.left + 10.f, button.bounds.top + 20.f};
            }
        }
        return {-1.f, -1.f};
    }

    Renderer renderer;
    RecordingSounds sounds;
    RecordingHudRenderer hudRenderer;
    Game game;
    World& world = game.parts().world;
    History& history = game.parts().history;
    Hud& hud = game.parts().hud;
    std::uint32_t& stepCount = game.parts().stepCount;
    std::int32_t& selectedBuilding = game.parts().selectedBuilding;
    GameState& state = game.parts().state;
};

using TestSession = BasicTestSession<RecordingRenderer>;
