#pragma once

#include <SFML/System/Time.hpp>
#include <cstdint>

#include "entities/ObjectCode.hpp"

// The numbers the game is balanced on, each with what it is for. They sit at the bottom of the
// simulation so that the entities, the World, the History, the menu and the rules of play all
// read the same values. Changing one changes every game: the recorded games of the state hash
// test will say so. Lengths are window pixels, times are simulated time.

// Clock.

// Simulated steps in a second of play, whatever the frame rate of the screen.
constexpr std::uint32_t kStepsPerSecond = 60;
// The fixed step. The float quotient truncates to 16666 microseconds, and every countdown in
// the game is measured against exactly that value.
inline const sf::Time TimePerFrame = sf::seconds(1.f / static_cast<float>(kStepsPerSecond));
// Three seconds of play between two snapshots: the unit of income, of time travel and of its
// prices.
constexpr std::uint32_t StepsPerTimePoint = 3 * kStepsPerSecond;
// The edge of a tile: 34 columns and 25 rows of them fill the 1024 x 768 window.
constexpr int kTileSize = 30;

// Gold.

// Pays for a mine and two barricades: a player can hold the first zombies off before a turret.
constexpr std::uint32_t kStartingGold = 80;
// Paid at every snapshot: a turret every fifteen seconds, slower than an outbreak can spread.
constexpr std::uint32_t kIncomePerTimePoint = 20;
// The one building that kills from afar and keeps doing it, so the dearest.
constexpr std::uint32_t kTurretPrice = 100;
// Only holds zombies up, so cheap enough to put down in rows.
constexpr std::uint32_t kBarricadePrice = 20;
// Kills one zombie outright, once.
constexpr std::uint32_t kMinePrice = 40;
// Per time point back: more than a time point earns, so undoing a loss is never free.
constexpr std::uint32_t kJumpBackPrice = 23;
// Per time point ahead: only saves the wait for a future the player would live through anyway.
constexpr std::uint32_t kJumpForwardPrice = 2;

// What the build menu charges for a building code; nothing else is for sale.
constexpr std::uint32_t buildingPrice(std::int32_t code) {
    switch (code) {
        case BuildTurret:
            return kTurretPrice;
        case BuildBarricade:
            return kBarricadePrice;
        case BuildMine:
            return kMinePrice;
        default:
            return 0;
    }
}

// Time travel.

// Time points held behind the present: 96 seconds to go back to, and the oldest of them is
// what the game-over test looks at.
constexpr std::int32_t kMaxPast = 32;
// Placeholders kept ahead of the present on the timeline bar: 48 seconds a jump can skip.
constexpr std::int32_t kLookAhead = 16;

// Creatures.

// Dies to the eighth shot: a turret alone takes about four seconds per zombie.
constexpr std::int32_t kZombieHealth = 8;
// Nothing but infection harms a human, which takes it whatever its health.
constexpr std::int32_t kHumanHealth = 10;
// Just under a third of a tile, so creatures fit through one-tile gaps with room to turn.
constexpr float kCreatureRadius = 9.f;
// Half a tile a second; a zombie moves twice per step, so it outruns the humans it hunts.
constexpr float kCreatureSpeed = 15.f;
// Degrees per second, either way: a chasing zombie curves towards its prey and can be dodged.
constexpr float kTurnLimit = 70.f;
// How long a creature keeps the heading a wall gave it before it turns to a target again, so
// a zombie chasing through a wall does not grind against it.
inline sf::Time avoidDuration() {
    return sf::seconds(2.5f);
}

// Zombies meeting others.

// How far a zombie notices humans and buildings: a little over three tiles.
constexpr float kEngagementRange = 100.f;
// How near a zombie must come to a human to infect it: well inside touching (18), a bite and
// not a brush.
constexpr float kInfectionRange = 10.f;
// A zombie's pause between two blows on a building: a barricade holds ten seconds.
inline sf::Time strikeInterval() {
    return sf::seconds(1.f);
}

// Buildings.

// Four blows: a lone zombie coming at a turret is mostly shot down before it breaks through.
constexpr std::int32_t kTurretHealth = 4;
// Ten blows: a barricade is bought to last.
constexpr std::int32_t kBarricadeHealth = 10;
// Spent when it goes off.
constexpr std::int32_t kMineHealth = 1;
// A third of a tile for every building, so a zombie touches one from 19 pixels away.
constexpr float kBuildingRadius = 10.f;
// A turret sees half as far again as a zombie notices it, so it shoots first.
constexpr float kTurretRange = 150.f;
// The turret's pause between shots: 454545 microseconds once truncated, a shot every 28th step.
inline sf::Time turretReload() {
    return sf::seconds(0.45454544f);
}
// A mine goes off on a zombie that all but steps on it: 20 pixels between the centres.
constexpr float kMineRange = 20.f;

// Shots.

// Spent on the first zombie it reaches.
constexpr std::int32_t kProjectileHealth = 1;
// With a zombie's 9, a shot hits within 15 pixels: hard to miss a zombie it is aimed at.
constexpr float kProjectileRadius = 6.f;
// Moved twice per step, so 200 pixels a second: it outflies a zombie by far.
constexpr float kProjectileSpeed = 100.f;
// Spends half as fast as it says, being aged twice per step: a shot flies about 300 pixels,
// twice the turret's range, then vanishes instead of crossing the whole map.
inline sf::Time projectileLifetime() {
    return sf::seconds(3.f);
}
