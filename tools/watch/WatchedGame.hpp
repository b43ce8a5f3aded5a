#pragma once

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/Game.hpp"
#include "play/ClickRecord.hpp"
#include "play/ClickReplay.hpp"
#include "play/MoveCaption.hpp"
#include "toolkit/ParticleSystem.hpp"

// A recorded game played again click for click, for someone to watch: one Game, lent the
// services of whatever shows it. Particles are looks, not rules, yet a window's particles draw
// on the one random engine as they fly, and so would change the heading of every turret built
// after them. So the game keeps dice of its own, exactly those the recorded game drew from, in
// the engine only while it plays: what is watched is the game that was counted.
class WatchedGame {
public:
    // The random engine must have been seeded as the recorded game's was, since the World draws
    // its starting headings here. The particles of the services are advanced here, once per
    // step of play, rather than by the rules.
    WatchedGame(Game::Services shown, const TileMap& level);
    WatchedGame(const WatchedGame&) = delete;
    WatchedGame& operator=(const WatchedGame&) = delete;

    // The clicks to make; until they are given, the game waits on its title screen.
    void replay(std::vector<RecordedClick> clicks);
    // One pass of the game's loop: the clicks due now, then a step of play. Gives the captions
    // of the moves made, in order.
    std::vector<std::string> advance();
    void draw() { played.draw(); }

    const Game& game() const { return played; }
    // The game's own dice as they stand, for a test to compare with the recorded game's.
    const std::mt19937& dice() const { return gameDice; }

private:
    tk::ParticleSystem& shownParticles;
    // What the rules advance: never given an emitter, so they draw nothing for looks.
    tk::ParticleSystem ruleParticles;
    Game played;
    std::mt19937 gameDice;
    std::optional<ClickReplay> clicks;
    MoveCaption caption;
};
