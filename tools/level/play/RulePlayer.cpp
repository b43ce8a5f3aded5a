#include "play/RulePlayer.hpp"

#include <limits>

#include "app/HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"
#include "play/Sight.hpp"

namespace {

// How often each looks at the map: the hasty one ten times a second, the steady one four.
constexpr std::uint32_t kHastyPause = 6;
constexpr std::uint32_t kSteadyPause = 15;
// Where a turret goes from the zombie it is meant for: outside the zombie's notice, with a
// margin for the zombie's next steps, and well inside the turret's range.
constexpr float kNearestTurret = 110.f;
constexpr float kFarthestTurret = 140.f;
// A zombie this close to a human catches it within a second or two.
constexpr float kCaughtSoon = 45.f;
constexpr float kTile = static_cast<float>(kTileSize);

// The free street cell one tile ahead of a zombie, unless a mine already lies in its way.
std::optional<sf::Vector2u> mineAhead(const WorldState& state, const Creature& zombie) {
    const sf::Vector2f ahead = zombie.position + zombie.heading() * kTile;
    const std::optional<sf::Vector2u> cell = sight::cellAt(state, ahead);
    if (!cell || !sight::isFreeStreet(state, *cell)) {
        return std::nullopt;
    }
    for (const Mine& mine : state.mines) {
        if (!mine.isDead() && sight::distance(mine.position, ahead) < kTile) {
            return std::nullopt;
        }
    }
    return cell;
}

// The free street cell at turret distance from the zombie and from every other, nearest to the
// human the zombie is closest to.
std::optional<sf::Vector2u> turretSpot(const WorldState& state, sf::Vector2f zombie) {
    const std::vector<sight::TurretPlace> places =
        sight::turretPlaces(state, zombie, kNearestTurret, kFarthestTurret);
    if (places.empty()) {
        return std::nullopt;
    }
    const sf::Vector2f human = sight::nearestHuman(state, zombie);
    std::optional<sf::Vector2u> best;
    float bestDistance = std::numeric_limits<float>::infinity();
    for (const sight::TurretPlace& place : places) {
        const float toHuman = sight::distance(place.middle, human);
        if (toHuman < bestDistance) {
            bestDistance = toHuman;
            best = place.cell;
        }
    }
    return best;
}

// The free street cell beside the turret nearest to the zombie, on the zombie's side, unless
// that turret has a barricade beside it already.
std::optional<sf::Vector2u> barricadeSpot(const WorldState& state, sf::Vector2f zombie) {
    const Turret* turret = nullptr;
    for (const Turret& candidate : state.turrets) {
        if (!candidate.isDead() &&
            (turret == nullptr || sight::distance(candidate.position, zombie) <
                                      sight::distance(turret->position, zombie))) {
            turret = &candidate;
        }
    }
    if (turret == nullptr || sight::toNearestBarricade(state, turret->position) < 1.5f * kTile) {
        return std::nullopt;
    }
    std::optional<sf::Vector2u> best;
    float bestDistance = std::numeric_limits<float>::infinity();
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const sf::Vector2f place = turret->position + sf::Vector2f(dx * kTile, dy * kTile);
            const std::optional<sf::Vector2u> cell = sight::cellAt(state, place);
            if (cell && sight::isFreeStreet(state, *cell) &&
                sight::distance(place, zombie) < bestDistance) {
                bestDistance = sight::distance(place, zombie);
                best = cell;
            }
        }
    }
    return best;
}

}  // namespace

void RulePlayer::act(HeadlessGame& game) {
    lastReason.clear();
    const std::uint32_t pause = style == Style::Hasty ? kHastyPause : kSteadyPause;
    if (game.stepCount() % pause != 0) {
        return;
    }
    const std::optional<std::size_t> zombie = sight::mostDangerousZombie(game.worldState());
    if (!zombie) {
        return;
    }
    if (style == Style::Hasty) {
        actHastily(game, *zombie);
    } else {
        actSteadily(game, *zombie);
    }
}

void RulePlayer::actHastily(HeadlessGame& game, std::size_t zombie) {
    const WorldState& state = game.worldState();
    const Creature& target = state.zombies[zombie];
    if (!build(game, BuildMine, mineAhead(state, target),
               "in the way of the zombie nearest a human")) {
        build(game, BuildTurret, turretSpot(state, target.position),
              "in reach of the zombie nearest a human");
    }
}

void RulePlayer::actSteadily(HeadlessGame& game, std::size_t zombie) {
    const WorldState& state = game.worldState();
    const Creature& target = state.zombies[zombie];
    const float toHuman =
        sight::distance(target.position, sight::nearestHuman(state, target.position));
    if (toHuman < kCaughtSoon && build(game, BuildMine, mineAhead(state, target),
                                       "the zombie nearest a human is about to catch one")) {
        return;
    }
    if (sight::toNearestTurret(state, target.position) >= kTurretRange) {
        build(game, BuildTurret, turretSpot(state, target.position),
              "no turret reaches the zombie nearest a human");
    } else {
        build(game, BuildBarricade, barricadeSpot(state, target.position),
              "holds the zombie nearest a human under a turret's fire");
    }
}

bool RulePlayer::build(HeadlessGame& game, std::int32_t code, std::optional<sf::Vector2u> cell,
                       const char* why) {
    if (!cell || game.gold() < buildingPrice(code)) {
        return false;
    }
    lastReason = why;
    game.chooseBuilding(code);
    game.clickCell(cell->x, cell->y);
    return true;
}
