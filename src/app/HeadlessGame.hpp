#pragma once

#include <cstdint>
#include <functional>

#include "app/Game.hpp"
#include "app/SilentServices.hpp"
#include "toolkit/ParticleSystem.hpp"

// A game that nobody watches or hears, played by a program with a player's hands and eyes only:
// it sees what the window would show and acts by left clicks where the window shows things,
// so whatever plays it can do nothing that a person at the game could not.
class HeadlessGame {
public:
    // A click as a player aimed it: at a menu entry, a map cell or a time point's button, where
    // it landed on the window, and the game's clock when it was made.
    struct Click {
        enum class On { BuildMenu, Map, Timeline };
        On on = On::Map;
        std::uint32_t step = 0;
        sf::Vector2f position;
        std::int32_t building = NoObject;
        sf::Vector2u cell;
        TimePoint timePoint;
    };
    using ClickListener = std::function<void(const Click&)>;

    explicit HeadlessGame(const TileMap& level);
    // The game as the window shows it now, to be played on in thought: a player imagining
    // what its clicks would lead to plays the copy and leaves this game as it is.
    HeadlessGame(const HeadlessGame& original);
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // One fixed step of the game's loop after its input: a simulation step while playing.
    void dispatch() { game.session().dispatch(); }

    // The clicks. The title screen's click anywhere starts play.
    void start();
    // Clicks the build menu's entry for a building code; false when the menu has none.
    bool chooseBuilding(std::int32_t code);
    // Clicks the middle of a map cell, which builds the chosen building when gold allows.
    void clickCell(std::uint32_t column, std::uint32_t row);
    // Clicks a time point's button on the timeline bar; false when the bar does not show it.
    bool clickTimePoint(TimePoint timePoint);
    // A click anywhere on the window, as a recorded one is made again; nobody is told of it.
    void click(sf::Vector2f position) { game.session().click(position); }

    // Tells the listener of each of the clicks above from now on, before the game takes it, so
    // that a record of the game can be kept. A copy of the game is played in thought and tells
    // nobody.
    void listen(ClickListener listener) { clickListener = std::move(listener); }

    // What the window shows.
    const WorldState& worldState() const { return game.world().getState(); }
    std::uint32_t gold() const { return game.world().gold(); }
    const Hud& hud() const { return game.hud(); }
    std::uint32_t stepCount() const { return game.stepCount(); }
    bool isLost() const { return game.state() == GameState::GameOver; }

private:
    Click aimedAt(Click::On on, sf::Vector2f position) const;
    void tell(const Click& click) const;

    SilentWorldRenderer renderer;
    SilentSounds sounds;
    SilentHudRenderer hudRenderer;
    tk::ParticleSystem particles;
    Game game;
    ClickListener clickListener;
};
