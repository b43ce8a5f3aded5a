#include "play/MoveIdeas.hpp"

#include <algorithm>
#include <array>
#include <limits>

#include "entities/GameNumbers.hpp"
#include "play/Sight.hpp"
#include "world/WorldState.hpp"

namespace {

constexpr float kTile = static_cast<float>(kTileSize);
constexpr float kNearestTurret = 105.f;
constexpr float kFarthestTurret = 145.f;

void addIdea(std::vector<PlanMove>& ideas, const WorldState& state, std::int32_t building,
             std::optional<sf::Vector2u> cell, std::optional<sf::Vector2u> against) {
    if (!cell || !sight::isFreeStreet(state, *cell)) {
        return;
    }
    const bool known = std::any_of(ideas.begin(), ideas.end(), [&](const PlanMove& idea) {
        return idea.building == building && idea.cell == *cell;
    });
    if (!known) {
        ideas.push_back({std::nullopt, building, *cell, against});
    }
}

// Per quarter around the zombie, the free street cell at turret distance from it, and from
// every zombie, that lies nearest to the zombie's human.
std::array<std::optional<sf::Vector2u>, 4> turretSpots(const WorldState& state,
                                                       sf::Vector2f zombie) {
    std::array<std::optional<sf::Vector2u>, 4> best;
    std::array<float, 4> bestDistance;
    bestDistance.fill(std::numeric_limits<float>::infinity());
    const std::vector<sight::TurretPlace> places =
        sight::turretPlaces(state, zombie, kNearestTurret, kFarthestTurret);
    if (places.empty() || state.humans.empty()) {
        return best;
    }
    const sf::Vector2f human = sight::nearestHuman(state, zombie);
    for (const sight::TurretPlace& place : places) {
        const std::size_t quarter =
            (place.middle.x < zombie.x ? 0u : 1u) + (place.middle.y < zombie.y ? 0u : 2u);
        const float toHuman = sight::distance(place.middle, human);
        if (toHuman < bestDistance[quarter]) {
            bestDistance[quarter] = toHuman;
            best[quarter] = place.cell;
        }
    }
    return best;
}

}  // namespace

std::vector<PlanMove> buildingIdeas(const WorldState& state, std::uint32_t gold,
                                    std::size_t zombies) {
    std::vector<PlanMove> ideas;
    for (const std::size_t index : sight::zombiesByDanger(state, zombies)) {
        const Creature& zombie = state.zombies[index];
        const std::optional<sf::Vector2u> against = sight::cellAt(state, zombie.position);
        if (gold >= kMinePrice) {
            addIdea(ideas, state, BuildMine, against, against);
            addIdea(ideas, state, BuildMine,
                    sight::cellAt(state, zombie.position + zombie.heading() * kTile), against);
        }
        if (gold >= kBarricadePrice) {
            addIdea(ideas, state, BuildBarricade,
                    sight::cellAt(state, zombie.position + zombie.heading() * (2.f * kTile)),
                    against);
        }
        if (gold >= kTurretPrice) {
            for (const std::optional<sf::Vector2u>& spot : turretSpots(state, zombie.position)) {
                addIdea(ideas, state, BuildTurret, spot, against);
            }
        }
    }
    return ideas;
}
