#pragma once

#include <cstdint>

// What a cell of the level file holds; the build menu reuses the building codes. It sits with
// the entities because an entity is told the code of the cell it ran into.
enum ObjectCode : std::int32_t {
    Floor = 0,
    Block = 1,
    SpawnZombie = 2,
    SpawnHuman = 3,
    BuildTurret = 4,
    BuildBarricade = 5,
    BuildMine = 6,
    NoObject = 7,
};
