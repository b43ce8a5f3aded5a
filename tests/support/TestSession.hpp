#pragma once

#include "app/Session.hpp"
#include "entities/ObjectCode.hpp"
#include "support/Levels.hpp"
#include "support/RecordingHudRenderer.hpp"
#include "support/RecordingRenderer.hpp"
#include "support/RecordingSounds.hpp"
#include "ui/Hud.hpp"
#include "world/History.hpp"
#include "world/World.hpp"

// The Application's parts without its window: the same World, History, Hud and rules of play,
// wired to recorders, so commands and long games can be driven from a test. The renderer is
// either the recorder, which notes bursts and trails, or one that makes real particles; either
// owns the particle system that the step advances, as the game's Renderer does.
template <typename Renderer>
struct BasicTestSession {
    explicit BasicTestSession(const TileMap& level = levels::arena())
        : world(renderer, sounds, level),
          history([this](TimePoint target) { session().fastForward(target); }),
          hud(hudRenderer) {
        Session::fillBuildMenu(hud);
    }
    BasicTestSession(const BasicTestSession&) = delete;
    BasicTestSession& operator=(const BasicTestSession&) = delete;

    Session session() {
        return Session(
            {world, history, hud, renderer.particles, stepCount, selectedBuilding, state});
    }

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
    World world;
    History history;
    RecordingHudRenderer hudRenderer;
    Hud hud;
    std::uint32_t stepCount = 0;
    std::int32_t selectedBuilding = NoObject;
    GameState state = GameState::Title;
};

using TestSession = BasicTestSession<RecordingRenderer>;
