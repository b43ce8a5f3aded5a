#pragma once

#include <SFML/System/Vector2.hpp>
#include <cstddef>
#include <optional>
#include <vector>

struct WorldState;

// What a player reads off the window: where things stand, in cells and pixels.
namespace sight {

// The cell a point of the map lies in; none off the grid.
std::optional<sf::Vector2u> cellAt(const WorldState& state, sf::Vector2f point);
sf::Vector2f middleOf(sf::Vector2u cell);
float distance(sf::Vector2f a, sf::Vector2f b);
// A street cell with no building on it: what a building can go on without breaking a wall.
bool isFreeStreet(const WorldState& state, sf::Vector2u cell);
// The zombie nearest to any human, the earlier one on a tie; none without zombies or humans.
std::optional<std::size_t> mostDangerousZombie(const WorldState& state);
// Up to that many zombies, the nearest to any human first, the earlier one on a tie; none
// without humans.
std::vector<std::size_t> zombiesByDanger(const WorldState& state, std::size_t count);
// The human nearest to a point; the state must hold one.
sf::Vector2f nearestHuman(const WorldState& state, sf::Vector2f point);
// The least distance from a point to any zombie, to any turret, or to any barricade; endless
// when there is none.
float toNearestZombie(const WorldState& state, sf::Vector2f point);
float toNearestTurret(const WorldState& state, sf::Vector2f point);
float toNearestBarricade(const WorldState& state, sf::Vector2f point);

// A place a turret could go against a zombie: its cell and the cell's middle.
struct TurretPlace {
    sf::Vector2u cell;
    sf::Vector2f middle;
};
// The free street cells whose middles lie `nearest` to `farthest` pixels from the zombie and no
// nearer than `nearest` to any zombie, row by row around it; none when it stands off the grid.
std::vector<TurretPlace> turretPlaces(const WorldState& state, sf::Vector2f zombie, float nearest,
                                      float farthest);

}  // namespace sight
