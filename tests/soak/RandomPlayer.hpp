#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <cstdint>
#include <random>

#include "soak/PlayReferee.hpp"

// A player who clicks everywhere: mostly where something happens (the timeline bar back and
// forward, the build menu, the map and just past its edges), now and then anywhere at all,
// and lets time run in between. Its own engine keeps its moves apart from the game's draws.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : engine(seed) {}

    // Plays one move: a run of steps or one click. False once a click has closed the game.
    bool move(PlayReferee& referee) {
        switch (referee.session().state) {
            case GameState::Playing:
                return playingMove(referee);
            case GameState::Title:
            case GameState::GameOver:
                // The screens ignore time: wait on them a little, then click anywhere.
                if (roll(0, 3) == 0) {
                    return wait(referee, roll(1, 30));
                }
                return click(referee, anywhere());
        }
        return true;
    }

private:
    bool playingMove(PlayReferee& referee) {
        const Hud& hud = referee.session().hud;
        const auto& buttons = hud.getTimelineButtons();
        const int pick = roll(0, 99);
        if (pick < 45) {
            return wait(referee, roll(1, 240));
        }
        if (pick < 70 && !buttons.empty()) {
            // Any button, back or ahead; the ends of the bar (the dearest jump back and the
            // longest fast-forward) a little more often than the rest.
            const int last = static_cast<int>(buttons.size()) - 1;
            const int index = pick < 64 ? roll(0, last) : pick < 67 ? last : 0;
            return click(referee, inside(buttons[static_cast<std::size_t>(index)].bounds));
        }
        if (pick < 80) {
            const auto& entries = hud.getBuildEntries();
            const int index = roll(0, static_cast<int>(entries.size()) - 1);
            return click(referee, inside(entries[static_cast<std::size_t>(index)].bounds));
        }
        if (pick < 95) {
            const float edge = static_cast<float>(referee.session().world.getState().tileMap.size *
                                                  static_cast<std::uint32_t>(kTileSize));
            return click(referee, {uniform(-10.f, edge + 10.f), uniform(-10.f, edge + 10.f)});
        }
        return click(referee, anywhere());
    }

    bool wait(PlayReferee& referee, int steps) {
        for (int i = 0; i < steps; ++i) {
            referee.dispatch();
        }
        return true;
    }

    bool click(PlayReferee& referee, sf::Vector2f position) { return !referee.click(position); }

    // The window and a little around it, where a real pointer can report a press.
    sf::Vector2f anywhere() { return {uniform(-20.f, 1044.f), uniform(-20.f, 788.f)}; }

    sf::Vector2f inside(const sf::FloatRect& bounds) {
        return {uniform(bounds.left, bounds.left + bounds.width),
                uniform(bounds.top, bounds.top + bounds.height)};
    }

    int roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    float uniform(float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(engine);
    }

    std::mt19937 engine;
};
