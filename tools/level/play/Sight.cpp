#include "Sight.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "entities/GameNumbers.hpp"
#include "world/WorldState.hpp"

namespace sight {

namespace {

template <typename Entities>
float toNearest(const Entities& entities, sf::Vector2f point) {
    float least = std::numeric_limits<float>::infinity();
    for (const auto& entity : entities) {
        if (!entity.isDead()) {
            least = std::min(least, distance(entity.position, point));
        }
    }
    return least;
}

template <typename Entities>
bool standsIn(const Entities& entities, sf::Vector2u cell) {
    for (const auto& entity : entities) {
        if (!entity.isDead() && std::floor(entity.position.x / kTileSize) == cell.x &&
            std::floor(entity.position.y / kTileSize) == cell.y) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<sf::Vector2u> cellAt(const WorldState& state, sf::Vector2f point) {
    const float column = std::floor(point.x / kTileSize);
    const float row = std::floor(point.y / kTileSize);
    const auto side = static_cast<float>(state.tileMap.size);
    if (!(column >= 0.f && row >= 0.f && column < side && row < side)) {
        return std::nullopt;
    }
    return sf::Vector2u(static_cast<unsigned>(column), static_cast<unsigned>(row));
}

sf::Vector2f middleOf(sf::Vector2u cell) {
    return {(static_cast<float>(cell.x) + 0.5f) * kTileSize,
            (static_cast<float>(cell.y) + 0.5f) * kTileSize};
}

float distance(sf::Vector2f a, sf::Vector2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool isFreeStreet(const WorldState& state, sf::Vector2u cell) {
    return state.tileMap.at(cell.x, cell.y) == Floor && !standsIn(state.turrets, cell) &&
           !standsIn(state.barricades, cell) && !standsIn(state.mines, cell);
}

std::optional<std::size_t> mostDangerousZombie(const WorldState& state) {
    std::optional<std::size_t> found;
    float least = std::numeric_limits<float>::infinity();
    for (std::size_t i = 0; i < state.zombies.size(); ++i) {
        const float reach = toNearest(state.humans, state.zombies[i].position);
        if (reach < least) {
            least = reach;
            found = i;
        }
    }
    return found;
}

std::vector<std::size_t> zombiesByDanger(const WorldState& state, std::size_t count) {
    if (state.humans.empty()) {
        return {};
    }
    std::vector<std::pair<float, std::size_t>> reaches;
    for (std::size_t i = 0; i < state.zombies.size(); ++i) {
        reaches.emplace_back(toNearest(state.humans, state.zombies[i].position), i);
    }
    const std::size_t kept = std::min(count, reaches.size());
    std::partial_sort(reaches.begin(), reaches.begin() + static_cast<std::ptrdiff_t>(kept),
                      reaches.end());
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < kept; ++i) {
        found.push_back(reaches[i].second);
    }
    return found;
}

sf::Vector2f nearestHuman(const WorldState& state, sf::Vector2f point) {
    sf::Vector2f nearest = state.humans.front().position;
    for (const auto& human : state.humans) {
        if (distance(human.position, point) < distance(nearest, point)) {
            nearest = human.position;
        }
    }
    return nearest;
}

float toNearestZombie(const WorldState& state, sf::Vector2f point) {
    return toNearest(state.zombies, point);
}

float toNearestTurret(const WorldState& state, sf::Vector2f point) {
    return toNearest(state.turrets, point);
}

float toNearestBarricade(const WorldState& state, sf::Vector2f point) {
    return toNearest(state.barricades, point);
}

std::vector<TurretPlace> turretPlaces(const WorldState& state, sf::Vector2f zombie, float nearest,
                                      float farthest) {
    std::vector<TurretPlace> places;
    const std::optional<sf::Vector2u> centre = cellAt(state, zombie);
    if (!centre) {
        return places;
    }
    const float tile = static_cast<float>(kTileSize);
    const int reach = static_cast<int>(farthest / tile) + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const sf::Vector2f place = middleOf(*centre) + sf::Vector2f(dx * tile, dy * tile);
            const std::optional<sf::Vector2u> cell = cellAt(state, place);
            const float away = distance(place, zombie);
            if (cell && away >= nearest && away <= farthest && isFreeStreet(state, *cell) &&
                toNearestZombie(state, place) >= nearest) {
                places.push_back({*cell, place});
            }
        }
    }
    return places;
}

}  // namespace sight
