#include "world/World.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "entities/ObjectCode.hpp"
#include "toolkit/Angles.hpp"
#include "toolkit/Random.hpp"

namespace {

constexpr float kEngagementRangeSquared = kEngagementRange * kEngagementRange;
constexpr float kInfectionRangeSquared = kInfectionRange * kInfectionRange;
// Searches look a pixel further than the rules reach, so that no rounding of a distance near
// the edge of a reach can leave out a cell that holds a match.
constexpr float kSearchMargin = 1.f;
// Cells of the spatial indexes: about half the engagement range for what zombies meet, about
// a tile for the zombies themselves, which mines and shots look for only a few pixels away.
constexpr float kContactCellSize = 50.f;
constexpr float kZombieCellSize = 30.f;

// Counts a cooldown down by one step, or reports it ready and clears it once less than one step
// is left. With a step of 16666 microseconds a 1 s strike interval is ready again on the 61st
// step, and the turret's 454545 microseconds on the 28th.
bool readyWithin(sf::Time& cooldown, sf::Time dt) {
    if (cooldown < dt) {
        cooldown = sf::Time::Zero;
        return true;
    }
    cooldown -= dt;
    return false;
}

// Adds without wrapping round: past the top the total stays at the largest value.
void addSaturating(std::uint32_t& total, std::uint32_t amount) {
    total += std::min(amount, std::numeric_limits<std::uint32_t>::max() - total);
}

float squaredDistance(sf::Vector2f a, sf::Vector2f b) {
    const sf::Vector2f d = a - b;
    return d.x * d.x + d.y * d.y;
}

float randomHeading() {
    return tk::random(0.f, 360.f);
}

// The cell index of a coordinate, truncated towards zero. Kept signed and bounded, because a
// creature that left an open level may stand anywhere, and converting its place to an unsigned
// cell index directly would be undefined.
std::int64_t cellIndex(float coordinate) {
    constexpr float kFarAway = 1.0e6f;
    float cell = coordinate / static_cast<float>(kTileSize);
    if (!(cell > -kFarAway)) {
        cell = -kFarAway;
    }
    if (cell > kFarAway) {
        cell = kFarAway;
    }
    return static_cast<std::int64_t>(cell);
}

// Cuts the particle emitters of the dead, which are about to be removed.
template <typename Sequence>
void disconnectDead(Sequence& entities) {
    for (auto& entity : entities) {
        if (entity.isDead()) {
            entity.emitterConnection.disconnect();
        }
    }
}

// Removes the dead, cutting their particle emitters first, and keeps the survivors in order.
template <typename Sequence>
void eraseDead(Sequence& entities) {
    disconnectDead(entities);
    entities.erase(std::remove_if(entities.begin(), entities.end(),
                                  [](const Entity& entity) { return entity.isDead(); }),
                   entities.end());
}

}  // namespace

World::World(WorldRenderer& renderer, SoundCues& soundPlayer, const TileMap& level)
    : renderer(&renderer), soundPlayer(&soundPlayer) {
    tileMap = level;
    spawnObjects();
}

World::World(WorldRenderer& renderer, SoundCues& soundPlayer, const World& original)
    : renderer(&renderer),
      state(original.state),
      soundPlayer(&soundPlayer),
      wallMasks(original.wallMasks),
      wallMasksCurrent(original.wallMasksCurrent),
      silent(original.silent),
      goldAmount(original.goldAmount) {
    // The copied trails would still be the original's, and a shot spent here would cut one.
    for (Projectile& projectile : projectiles) {
        projectile.emitterConnection = tk::Connection();
        this->renderer->attachTrail(projectile);
    }
}

void World::replaceState(const WorldState& replacement) {
    // Trails read their projectile where it is stored, so none may outlive the list it reads.
    for (Projectile& projectile : projectiles) {
        projectile.emitterConnection.disconnect();
    }
    state = replacement;
    zombieIndexCurrent = false;
    wallMasksCurrent = false;
    for (Projectile& projectile : projectiles) {
        renderer->attachTrail(projectile);
    }
}

void World::addGold(std::uint32_t amount) {
    addSaturating(goldAmount, amount);
}

bool World::trySpend(std::uint32_t cost) {
    if (goldAmount < cost) {
        return false;
    }
    goldAmount -= cost;
    addSaturating(state.goldSpent, cost);
    return true;
}

void World::placeObject(std::uint32_t column, std::uint32_t row, std::int32_t code) {
    // A cell off the grid has nowhere to be written; building there would also leave an
    // entity outside every wall.
    if (column >= tileMap.size || row >= tileMap.size) {
        return;
    }
    tileMap.cells[static_cast<std::size_t>(row) * tileMap.size + column] =
        code == Block ? Block : Floor;
    zombieIndexCurrent = false;
    wallMasksCurrent = false;
    switch (code) {
        case SpawnZombie:
            spawnCreature(true, column, row);
            break;
        case SpawnHuman:
            spawnCreature(false, column, row);
            break;
        case BuildTurret:
            spawnTurret(column, row);
            break;
        case BuildBarricade:
            spawnBarricade(column, row);
            break;
        case BuildMine:
            spawnMine(column, row);
            break;
        default:
            break;
    }
}

void World::spawnObjects() {
    const std::uint32_t size = tileMap.size;
    for (std::uint32_t row = 0; row < size; ++row) {
        for (std::uint32_t column = 0; column < size; ++column) {
            placeObject(column, row, tileMap.at(column, row));
        }
    }
}

void World::spawnCreature(bool isZombie, std::uint32_t column, std::uint32_t row) {
    const Creature creature(tileMap.cellCentre(column, row), randomHeading(), isZombie);
    (isZombie ? zombies : humans).push_back(creature);
}

void World::spawnTurret(std::uint32_t column, std::uint32_t row) {
    turrets.emplace_back(tileMap.cellCentre(column, row), randomHeading());
}

void World::spawnBarricade(std::uint32_t column, std::uint32_t row) {
    barricades.emplace_back(tileMap.cellCentre(column, row));
}

void World::spawnMine(std::uint32_t column, std::uint32_t row) {
    mines.emplace_back(tileMap.cellCentre(column, row));
}

void World::spawnProjectile(const Turret& turret) {
    projectiles.emplace_back(turret.position, turret.rotation);
    renderer->attachTrail(projectiles.back());
}

void World::playSound(const std::string& name) {
    if (!silent) {
        soundPlayer->play(name);
    }
}

template <typename Entities>
void World::rebuildIndex(SpatialIndex& index, const Entities& entities, float cellSize) const {
    const float extent = static_cast<float>(tileMap.size) * static_cast<float>(kTileSize);
    index.rebuild(entities, extent, cellSize);
}

void World::indexContacts() {
    rebuildIndex(humanIndex, humans, kContactCellSize);
    rebuildIndex(turretIndex, turrets, kContactCellSize);
    rebuildIndex(barricadeIndex, barricades, kContactCellSize);
}

void World::rebuildWallMasks() {
    const std::int64_t size = tileMap.size;
    wallMasks.assign(tileMap.cells.size(), 0);
    for (std::int64_t r = 0; r < size; ++r) {
        for (std::int64_t c = 0; c < size; ++c) {
            const bool walls[] = {tileMap.at(c - 1, r) == Block, tileMap.at(c + 1, r) == Block,
                                  tileMap.at(c, r - 1) == Block, tileMap.at(c, r + 1) == Block};
            std::uint8_t mask = 0;
            for (std::size_t side = 0; side < std::size(walls); ++side) {
                mask = static_cast<std::uint8_t>(mask | (walls[side] ? 1u << side : 0u));
            }
            wallMasks[static_cast<std::size_t>(r * size + c)] = mask;
        }
    }
    wallMasksCurrent = true;
}

std::uint8_t World::wallsAround(std::int64_t column, std::int64_t row) const {
    constexpr std::uint8_t kEverySide = 0xf;
    const std::int64_t size = tileMap.size;
    if (column < 0 || row < 0 || column >= size || row >= size) {
        return kEverySide;
    }
    return wallMasks[static_cast<std::size_t>(row * size + column)];
}

const SpatialIndex& World::zombiesByPlace() {
    if (!zombieIndexCurrent) {
        rebuildIndex(zombieIndex, zombies, kZombieCellSize);
        zombieIndexCurrent = true;
    }
    return zombieIndex;
}

void World::updateCreatures(sf::Time dt) {
    zombieIndexCurrent = false;
    if (!zombies.empty()) {
        indexContacts();
    }
    // Only this pass moves entities into walls, and the grid changes only between steps.
    if (!wallMasksCurrent) {
        rebuildWallMasks();
    }
    const StepLength step(dt);
    // Zombies and projectiles are updated twice per step and humans once, on purpose: the
    // game's pace rests on it (zombies cover 30 pixels a second, a shot's 3 s of life run out
    // in 1.5 s), and a zombie's second update sees what its contacts just set, so one that
    // reaches a building stops at once. Folding the two updates into one would change every game.
    std::vector<Creature> newZombies;
    for (Creature& zombie : zombies) {
        zombie.advance(step);
        handleZombieContacts(zombie, newZombies, dt);
        zombie.advance(step);
        collideWithTiles(zombie);
    }
    zombies.insert(zombies.end(), newZombies.begin(), newZombies.end());
    for (Creature& human : humans) {
        human.advance(step);
        collideWithTiles(human);
    }
    for (Projectile& projectile : projectiles) {
        projectile.advance(step);
        collideWithTiles(projectile);
        projectile.advance(step);
    }
}

void World::handleZombieContacts(Creature& zombie, std::vector<Creature>& newZombies, sf::Time dt) {
    bool found = engageHumans(zombie, newZombies, dt);
    if (!found) {
        found = engageFirstBuilding(zombie, turrets, turretIndex, dt);
    }
    // Barricades are checked whatever came before, so they have the last word on the target.
    const bool foundBarricade = engageFirstBuilding(zombie, barricades, barricadeIndex, dt);
    if (!found && !foundBarricade) {
        zombie.state = Wander;
    }
}

template <typename Buildings>
bool World::engageFirstBuilding(Creature& zombie, Buildings& buildings, const SpatialIndex& index,
                                sf::Time dt) {
    // Each engagement may strike, so only one building is engaged: the first in sequence order
    // that stands and lies within range. This search is the only test of both, so that a slip
    // in it cannot hide behind a second one. A building destroyed earlier in this step is
    // rubble until removal: striking it again would only repeat its destruction.
    const std::size_t first = index.first(zombie.position, kEngagementRange + kSearchMargin,
                                          [&](std::size_t place, sf::Vector2f position) {
                                              return squaredDistance(position, zombie.position) <
                                                         kEngagementRangeSquared &&
                                                     !buildings[place].isDead();
                                          });
    if (first == SpatialIndex::kNone) {
        return false;
    }
    engageBuilding(zombie, buildings[first], dt);
    return true;
}

bool World::engageHumans(Creature& zombie, std::vector<Creature>& newZombies, sf::Time dt) {
    // A human infected earlier in this step is already a zombie-to-be: passing it over keeps a
    // second zombie from infecting it again and making two zombies out of one human.
    const std::size_t first = humanIndex.first(
        zombie.position, kEngagementRange + kSearchMargin,
        [&](std::size_t place, sf::Vector2f position) {
            return squaredDistance(position, zombie.position) < kEngagementRangeSquared &&
                   !humans[place].isDead();
        });
    if (first == SpatialIndex::kNone) {
        return false;
    }
    Creature* const human = &humans[first];
    if (squaredDistance(human->position, zombie.position) < kInfectionRangeSquared) {
        // The bite is never delayed; the cooldown only spaces out its sound.
        if (readyWithin(zombie.attackCooldown, dt)) {
            playSound("zombie-attack.wav");
            zombie.attackCooldown = strikeInterval();
        }
        renderer->burst(kHumanBitten, human->position.x, human->position.y);
        newZombies.emplace_back(Creature::FromInfectedHuman{}, *human);
        human->health = 0;
    }
    chase(zombie, human->position);
    return true;
}

void World::engageBuilding(Creature& zombie, Entity& building, sf::Time dt) {
    const float distanceSquared = squaredDistance(building.position, zombie.position);
    const float reach = zombie.getRadius() + building.getRadius();
    if (reach * reach > distanceSquared) {
        zombie.state = Attack;
        strike(zombie, building, dt);
    } else {
        chase(zombie, building.position);
    }
}

void World::chase(Creature& zombie, sf::Vector2f target) {
    // A zombie turned away by a wall keeps its course until the turn has run out.
    if (zombie.state == Avoid && zombie.avoidTimer > sf::Time::Zero) {
        return;
    }
    zombie.state = Chase;
    zombie.target = target;
}

void World::strike(Creature& zombie, Entity& building, sf::Time dt) {
    if (!readyWithin(zombie.attackCooldown, dt)) {
        return;
    }
    playSound("zombie-turret.wav");
    zombie.attackCooldown = strikeInterval();
    building.health -= 1;
    renderer->burst(kBuildingStruck, zombie.position.x, zombie.position.y);
    if (building.isDead()) {
        playSound("turret-destroy.wav");
    }
}

template <typename Kind>
void World::collideWithTiles(Kind& entity) {
    struct Neighbour {
        std::int64_t columnOffset;
        std::int64_t rowOffset;
        float normalX;  // the wall's outward normal
        float normalY;
    };
    static constexpr Neighbour kNeighbours[] = {
        {-1, 0, 1.f, 0.f}, {1, 0, -1.f, 0.f}, {0, -1, 0.f, 1.f}, {0, 1, 0.f, -1.f}};

    const std::int64_t column = cellIndex(entity.position.x);
    const std::int64_t row = cellIndex(entity.position.y);
    const std::uint8_t walls = wallsAround(column, row);
    if (walls == 0) {
        return;
    }
    const sf::FloatRect box = entity.getBoundingBox();
    // Which edges of its own cell the box reaches over. A box that stays on this side of an
    // edge, up to touching it, cannot overlap the neighbour beyond it, so that neighbour is
    // not looked at. The edges are whole numbers of pixels and the box's sides are worked out
    // as the overlap test works them out, so nothing the test would find is skipped.
    const sf::FloatRect cell = tileMap.cellRect(column, row);
    const bool crossesLeft = box.left < cell.left;
    const bool crossesRight = box.left + box.width > cell.left + cell.width;
    const bool crossesTop = box.top < cell.top;
    const bool crossesBottom = box.top + box.height > cell.top + cell.height;
    if (!(crossesLeft || crossesRight || crossesTop || crossesBottom)) {
        return;
    }
    const bool crosses[] = {crossesLeft, crossesRight, crossesTop, crossesBottom};
    bool hitWall = false;
    for (std::size_t side = 0; side < std::size(kNeighbours); ++side) {
        if (!crosses[side] || (walls & (1u << side)) == 0) {
            continue;
        }
        const Neighbour& neighbour = kNeighbours[side];
        const std::int64_t c = column + neighbour.columnOffset;
        const std::int64_t r = row + neighbour.rowOffset;
        if (tileMap.at(c, r) == Block && tileMap.cellRect(c, r).intersects(box)) {
            entity.bounce({neighbour.normalX, neighbour.normalY});
            hitWall = true;
        }
    }
    if (hitWall) {
        entity.onCollision(Block);
    }
}

void World::updateTurrets(sf::Time dt) {
    for (Turret& turret : turrets) {
        updateTurret(turret, dt);
    }
}

void World::updateTurret(Turret& turret, sf::Time dt) {
    // A ready turret with nothing in range stays ready, with its cooldown at zero.
    if (!readyWithin(turret.cooldown, dt)) {
        return;
    }
    const Creature* const target = nearestZombie(turret.position, kTurretRange);
    if (target == nullptr) {
        return;
    }
    playSound("turret-shoot.wav");
    turret.cooldown = turretReload();
    const sf::Vector2f offset = target->position - turret.position;
    // A zombie right on the turret's centre gives no direction, so the aim stays as it was.
    if (offset.x != 0.f || offset.y != 0.f) {
        turret.rotation = tk::polarAngle(offset);
    }
    spawnProjectile(turret);
}

Creature* World::nearestZombie(sf::Vector2f from, float range) {
    std::size_t nearest = SpatialIndex::kNone;
    float best = range;
    // The index gives the zombies cell by cell, so a tie goes to the earlier one explicitly.
    zombiesByPlace().forEachNear(
        from, range + kSearchMargin, [&](std::size_t place, sf::Vector2f position) {
            const float distance = std::sqrt(squaredDistance(position, from));
            if (best > distance ||
                (best == distance && nearest != SpatialIndex::kNone && place < nearest)) {
                best = distance;
                nearest = place;
            }
        });
    return nearest == SpatialIndex::kNone ? nullptr : &zombies[nearest];
}

void World::updateMines() {
    for (Mine& mine : mines) {
        // Dead zombies still count: a second mine may go off on a zombie the first one killed.
        Creature* const target = nearestZombie(mine.position, kMineRange);
        if (target == nullptr) {
            continue;
        }
        playSound("mine-destroy.wav");
        target->health = 0;
        mine.health = 0;
        renderer->burst(kZombieKilled, target->position.x, target->position.y);
        renderer->burst(kMineExploded, mine.position.x, mine.position.y);
    }
}

void World::updateProjectiles() {
    for (Projectile& projectile : projectiles) {
        if (projectile.isDead()) {
            continue;
        }
        // A projectile is spent on the first zombie it reaches, in sequence order.
        const float searchReach = projectile.getRadius() + kCreatureRadius + kSearchMargin;
        const std::size_t first = zombiesByPlace().first(
            projectile.position, searchReach, [&](std::size_t place, sf::Vector2f position) {
                const Creature& zombie = zombies[place];
                const float reach = projectile.getRadius() + zombie.getRadius();
                return squaredDistance(projectile.position, position) < reach * reach &&
                       !zombie.isDead();
            });
        if (first == SpatialIndex::kNone) {
            continue;
        }
        Creature& zombie = zombies[first];
        playSound("zombie-hit.wav");
        zombie.health -= 1;
        projectile.health = 0;
        if (zombie.isDead()) {
            renderer->burst(kZombieKilled, zombie.position.x, zombie.position.y);
        }
    }
}

void World::step(sf::Time dt) {
    updateCreatures(dt);
    updateTurrets(dt);
    updateMines();
    updateProjectiles();
    removeDead();
}

void World::removeDead() {
    zombieIndexCurrent = false;
    eraseDead(zombies);
    eraseDead(humans);
    eraseDead(turrets);
    eraseDead(barricades);
    eraseDead(mines);
    // Not erased like the others: trails follow projectiles where they are stored.
    disconnectDead(projectiles);
    projectiles.remove_if([](const Projectile& projectile) { return projectile.isDead(); });
    soundPlayer->purgeStopped();
}

void World::draw() {
    renderer->drawTileMap(tileMap);
    for (const Turret& turret : turrets) {
        renderer->drawSprite(turret, "turret.png");
    }
    for (const Barricade& barricade : barricades) {
        renderer->drawSprite(barricade, "barricade.png");
    }
    for (const auto* creatures : {&zombies, &humans}) {
        for (const Creature& creature : *creatures) {
            renderer->drawSprite(creature, creature.isZombie ? "zombie.png" : "human.png");
        }
    }
    for (const Mine& mine : mines) {
        renderer->drawSprite(mine, "mine.png");
    }
    for (const Projectile& projectile : projectiles) {
        renderer->drawSprite(projectile, "projectile.png");
    }
    const float width = static_cast<float>(renderer->windowSize().x);
    renderer->drawGold(goldAmount, {width - 100.f, 10.f});
    renderer->drawParticles();
}
