#pragma once

#include <cstdint>
#include <vector>

#include "play/PlanMove.hpp"

struct WorldState;

// The buildings worth trying against the zombies nearest to a human, as a person at the window
// would think of them, each only when the gold pays for it: per zombie, a mine on its cell and
// one just ahead of it, a barricade two cells ahead of it, and, in each quarter around it, a
// turret 105 to 145 px away (outside a zombie's notice, inside the turret's range) on the free
// street cell nearest to the human it is after.
std::vector<PlanMove> buildingIdeas(const WorldState& state, std::uint32_t gold,
                                    std::size_t zombies);
