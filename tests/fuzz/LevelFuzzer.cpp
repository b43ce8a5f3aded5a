#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"
#include "fuzz/FuzzFailure.hpp"
#include "soak/ParticleLedger.hpp"
#include "support/Levels.hpp"
#include "support/ParticleRenderer.hpp"
#include "support/RecordingSounds.hpp"
#include "toolkit/Random.hpp"
#include "world/World.hpp"

// Any bytes as a level file: reading them must give a whole square grid of floor and walls,
// and the world built on it must run four seconds of play with no creature made from nothing,
// no creature lost in unmeasurable space, and every particle trail on a live projectile.

namespace {

// Four seconds of play: long enough for shots, bites, blows and mines on any small level.
constexpr int kSteps = 240;

void checkGrid(const TileMap& grid) {
    if (grid.cells.size() != static_cast<std::size_t>(grid.size) * grid.size) {
        fuzzFailure("the grid is not size x size cells");
    }
    for (const std::int32_t code : grid.cells) {
        if (code != Floor && code != Block) {
            fuzzFailure("a cell holds something other than floor or wall after spawning");
        }
    }
}

std::size_t creatures(const WorldState& state) {
    return state.zombies.size() + state.humans.size();
}

void checkCreatures(const WorldState& state, std::size_t fromTheLevel) {
    // Infection turns a human into a zombie; nothing else makes a creature.
    if (creatures(state) > fromTheLevel) {
        fuzzFailure("more creatures than the level placed");
    }
    for (const auto* group : {&state.zombies, &state.humans}) {
        for (const Creature& creature : *group) {
            if (!std::isfinite(creature.position.x) || !std::isfinite(creature.position.y)) {
                fuzzFailure("a creature's position is no longer a number");
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tk::setRandomSeed(7);
    const TileMap level = levels::read(std::string(reinterpret_cast<const char*>(data), size));
    if (level.cells.size() != static_cast<std::size_t>(level.size) * level.size) {
        fuzzFailure("the level read is not size x size cells");
    }
    ParticleRenderer renderer;
    RecordingSounds sounds;
    World world(renderer, sounds, level);
    ParticleLedger ledger(renderer, world);
    checkGrid(world.getState().tileMap);
    const std::size_t fromTheLevel = creatures(world.getState());
    for (int i = 0; i < kSteps; ++i) {
        world.step(TimePerFrame);
        renderer.particles.update(TimePerFrame);
        checkCreatures(world.getState(), fromTheLevel);
        sounds.played.clear();
    }
    checkGrid(world.getState().tileMap);
    ledger.checkTrails("after the run");
    if (!ledger.failure().empty()) {
        fuzzFailure(ledger.failure());
    }
    return 0;
}
