#pragma once

#include <cstdint>

// Chooses the colour, speed and rate of a particle burst.
using BurstKind = std::int32_t;

constexpr BurstKind kTrailParticles = 0;  // the colour of projectile trails
constexpr BurstKind kZombieKilled = 1;
constexpr BurstKind kHumanBitten = 2;
constexpr BurstKind kBuildingStruck = 3;
constexpr BurstKind kMineExploded = 4;
