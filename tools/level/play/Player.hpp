#pragma once

#include <string>

class HeadlessGame;

// Someone at the controls of an unattended game. A player sees what the window shows and acts
// only by the clicks the game offers, and it is deterministic: the same game, the same clicks.
// Every player leaves the game alone once the last zombie has fallen, so that a game can stop
// there and still give exactly the figures of playing on.
class Player {
public:
    virtual ~Player() = default;
    // Called before each step of play while zombies walk, as input comes before a step.
    virtual void act(HeadlessGame& game) = 0;
    // Why it made the clicks of its last act, in a few words for someone watching the game
    // ("the zombie nearest a human heads for it"); empty when it clicked nothing or keeps its
    // reasons to itself.
    virtual std::string reason() const { return {}; }
};

// Never builds: how the level falls by itself.
class IdlePlayer final : public Player {
public:
    void act(HeadlessGame&) override {}
};
