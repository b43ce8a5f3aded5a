#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstdint>
#include <optional>
#include <string>

#include "play/Player.hpp"

struct WorldState;

// A player who follows a few rules a person would, looking at the zombie that is nearest to a
// human. The hasty one spends gold the moment it has it: a mine in the street just ahead of
// that zombie, and a turret once a mine does not fit. The steady one saves for turrets, puts
// each 110 to 140 px from the zombie (outside the 100 px at which zombies notice buildings,
// inside the turret's 150 px range), nearest to the humans it is after, then a barricade in
// front of a turret that covers the zombie, which holds the zombie still under fire; it lays a
// mine only when a human is about to be caught.
class RulePlayer final : public Player {
public:
    enum class Style { Hasty, Steady };

    explicit RulePlayer(Style style) : style(style) {}

    void act(HeadlessGame& game) override;
    std::string reason() const override { return lastReason; }

private:
    void actHastily(HeadlessGame& game, std::size_t zombie);
    void actSteadily(HeadlessGame& game, std::size_t zombie);
    bool build(HeadlessGame& game, std::int32_t code, std::optional<sf::Vector2u> cell,
               const char* why);

    Style style;
    std::string lastReason;
};
