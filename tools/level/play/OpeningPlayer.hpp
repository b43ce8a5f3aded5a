#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <memory>
#include <string>

#include "play/Player.hpp"

// One first move: a building on a cell, as soon as the gold pays for it. With the starting
// gold that is 0:00 for a mine or a barricade and the first time point for a turret.
struct Opening {
    std::int32_t code = 0;
    sf::Vector2u cell;

    // "a turret on column 1, row 7"
    std::string describe() const;
};

// Makes its opening, then leaves the game to another player, or to nobody.
class OpeningPlayer final : public Player {
public:
    OpeningPlayer(Opening opening, std::unique_ptr<Player> then)
        : opening(opening), then(std::move(then)) {}

    void act(HeadlessGame& game) override;
    std::string reason() const override;

private:
    Opening opening;
    std::unique_ptr<Player> then;
    bool made = false;
    bool madeNow = false;
};
