#pragma once

#include <SFML/System/Time.hpp>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "entities/GameNumbers.hpp"
#include "world/SoundCues.hpp"
#include "world/SpatialIndex.hpp"
#include "world/WorldRenderer.hpp"
#include "world/WorldState.hpp"

// The simulation: owns the grid and every entity, runs the per-step phases in the order the
// game calls them, holds the player's gold and reaches drawing and sound through two services.
class World {
public:
    // Spawns what the level's codes stand for, drawing every starting heading from the random
    // engine; the app layer reads the level file.
    World(WorldRenderer& renderer, SoundCues& soundPlayer, const TileMap& level);
    // The same world as another, state, gold and all, lent other services; what only depends
    // on the grid is taken over instead of worked out again.
    World(WorldRenderer& renderer, SoundCues& soundPlayer, const World& original);
    // A copy's views would still look into the original's state.
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    const WorldState& getState() const { return state; }
    // Puts a stored state in place of the current one, as a time jump does.
    void replaceState(const WorldState& replacement);

    std::uint32_t gold() const { return goldAmount; }
    void addGold(std::uint32_t amount);
    bool trySpend(std::uint32_t cost);

    bool isSilent() const { return silent; }
    void setSilent(bool isSilent) { silent = isSilent; }

    // Builds what a code stands for on a cell, leaving the cell as floor or wall.
    void placeObject(std::uint32_t column, std::uint32_t row, std::int32_t code);

    // The phases of one step, called in this order.
    void updateCreatures(sf::Time dt);
    void updateTurrets(sf::Time dt);
    void updateMines();
    void updateProjectiles();
    void removeDead();
    // The five phases above in their order: one simulation step of the world.
    void step(sf::Time dt);

    void draw();
    void playSound(const std::string& name);

private:
    void spawnObjects();
    void spawnCreature(bool isZombie, std::uint32_t column, std::uint32_t row);
    void spawnTurret(std::uint32_t column, std::uint32_t row);
    void spawnBarricade(std::uint32_t column, std::uint32_t row);
    void spawnMine(std::uint32_t column, std::uint32_t row);
    void spawnProjectile(const Turret& turret);

    void handleZombieContacts(Creature& zombie, std::vector<Creature>& newZombies, sf::Time dt);
    bool engageHumans(Creature& zombie, std::vector<Creature>& newZombies, sf::Time dt);
    // Strikes a standing building within range when the zombie touches it, or chases it.
    void engageBuilding(Creature& zombie, Entity& building, sf::Time dt);
    template <typename Buildings>
    bool engageFirstBuilding(Creature& zombie, Buildings& buildings, const SpatialIndex& index,
                             sf::Time dt);
    // A template, so that each kind's radius, speed and wall reaction are called directly.
    template <typename Kind>
    void collideWithTiles(Kind& entity);

    // Counts the turret's reload down, or aims and fires once it is ready and a zombie is near.
    void updateTurret(Turret& turret, sf::Time dt);
    // The nearest zombie closer than the range, the earlier one on equal distances.
    Creature* nearestZombie(sf::Vector2f from, float range);
    // Files the humans and buildings that the zombies meet in the creature pass; none of them
    // moves, appears or goes away during it.
    void indexContacts();
    // Which of a cell's four neighbours are walls, a bit each in the order the wall test takes
    // them; every side for a cell off the grid, whose neighbours it does not know.
    std::uint8_t wallsAround(std::int64_t column, std::int64_t row) const;
    void rebuildWallMasks();
    // The zombies filed where the creature pass left them, for the phases after it.
    const SpatialIndex& zombiesByPlace();
    template <typename Entities>
    void rebuildIndex(SpatialIndex& index, const Entities& entities, float cellSize) const;
    // Sets the zombie after a target, unless a wall has it turned away.
    void chase(Creature& zombie, sf::Vector2f target);
    // One blow on a touched building, when the zombie's cooldown allows it.
    void strike(Creature& zombie, Entity& building, sf::Time dt);

    WorldRenderer* renderer;
    WorldState state;
    // Views into the state by the names the rules use; assigning a new state keeps them valid.
    TileMap& tileMap = state.tileMap;
    std::vector<Creature>& zombies = state.zombies;
    std::vector<Creature>& humans = state.humans;
    std::vector<Turret>& turrets = state.turrets;
    std::vector<Barricade>& barricades = state.barricades;
    std::vector<Mine>& mines = state.mines;
    std::list<Projectile>& projectiles = state.projectiles;
    SoundCues* soundPlayer;
    SpatialIndex humanIndex;
    SpatialIndex turretIndex;
    SpatialIndex barricadeIndex;
    SpatialIndex zombieIndex;
    // False whenever zombies may have moved, come or gone since zombieIndex was built.
    bool zombieIndexCurrent = false;
    // wallsAround for every cell of the grid, row by row; most cells have no wall beside them,
    // and their entities need no wall test at all. False whenever the grid may have changed.
    std::vector<std::uint8_t> wallMasks;
    bool wallMasksCurrent = false;
    bool silent = false;
    std::uint32_t goldAmount = kStartingGold;
};
