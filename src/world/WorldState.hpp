#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "entities/Barricade.hpp"
#include "entities/Creature.hpp"
#include "entities/Mine.hpp"
#include "entities/Projectile.hpp"
#include "entities/Turret.hpp"
#include "world/TileMap.hpp"
#include "world/TimePoint.hpp"

// Everything that travels in time, as one value that the history copies in and out whole.
struct WorldState {
    // The state of a freshly built world, before its first snapshot.
    WorldState() : WorldState(TimePoint{-1}) {}
    // A placeholder for a time point not reached yet: its empty grid marks it as one.
    explicit WorldState(TimePoint timePoint) : timePoint(timePoint) { tileMap.reset(0); }

    TimePoint timePoint;
    TileMap tileMap;
    std::vector<Creature> zombies;
    std::vector<Creature> humans;
    std::vector<Turret> turrets;
    std::vector<Barricade> barricades;
    std::vector<Mine> mines;
    // A list, because particle trails follow projectiles where they are stored.
    std::list<Projectile> projectiles;
    std::uint32_t goldSpent = 0;
};
