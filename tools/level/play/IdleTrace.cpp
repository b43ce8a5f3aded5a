#include "play/IdleTrace.hpp"

#include <cmath>
#include <sstream>

#include "app/HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"
#include "play/Player.hpp"
#include "play/Sight.hpp"

namespace {

// The positions are seen before each step, and a zombie moves at most a pixel in a step, so
// a few pixels more than each reach also cover the step after the last one seen.
constexpr float kMargin = 4.f;

// Sees every zombie before each step and marks the cells it comes near; builds nothing.
class Watcher final : public Player {
public:
    explicit Watcher(IdleTrace& trace) : trace(trace) {}

    void act(HeadlessGame& game) override {
        const WorldState& state = game.worldState();
        for (const Creature& zombie : state.zombies) {
            mark(state, zombie.position, kMineRange + kMargin, trace.nearMine);
            mark(state, zombie.position, kEngagementRange + kMargin, trace.nearBarricade);
            mark(state, zombie.position, kTurretRange + kMargin, trace.nearTurret);
        }
    }

private:
    static void mark(const WorldState& state, sf::Vector2f zombie, float reach,
                     std::vector<bool>& near) {
        const auto side = static_cast<int>(state.tileMap.size);
        const int cells = static_cast<int>(std::ceil(reach / kTileSize));
        const int column = static_cast<int>(std::floor(zombie.x / kTileSize));
        const int row = static_cast<int>(std::floor(zombie.y / kTileSize));
        for (int r = std::max(0, row - cells); r <= std::min(side - 1, row + cells); ++r) {
            for (int c = std::max(0, column - cells); c <= std::min(side - 1, column + cells);
                 ++c) {
                const sf::Vector2u cell(static_cast<unsigned>(c), static_cast<unsigned>(r));
                if (sight::distance(sight::middleOf(cell), zombie) < reach) {
                    near[static_cast<std::size_t>(r * side + c)] = true;
                }
            }
        }
    }

    IdleTrace& trace;
};

std::string bits(const std::vector<bool>& flags) {
    std::string text;
    for (const bool flag : flags) {
        text += flag ? '1' : '0';
    }
    return text;
}

std::vector<bool> flagsOf(const std::string& text) {
    std::vector<bool> flags;
    for (const char bit : text) {
        flags.push_back(bit == '1');
    }
    return flags;
}

}  // namespace

IdleTrace IdleTrace::play(const TileMap& level, std::uint32_t seed, SeedRun::Limits limits) {
    IdleTrace trace;
    const std::size_t cells = static_cast<std::size_t>(level.size) * level.size;
    trace.nearMine.assign(cells, false);
    trace.nearBarricade.assign(cells, false);
    trace.nearTurret.assign(cells, false);
    Watcher watcher(trace);
    trace.run = SeedRun::play(level, seed, limits, watcher);
    return trace;
}

bool IdleTrace::leavesAlone(const Opening& opening, std::uint32_t side) const {
    const std::size_t cell = static_cast<std::size_t>(opening.cell.y) * side + opening.cell.x;
    switch (opening.code) {
        case BuildMine:
            return !nearMine[cell];
        case BuildBarricade:
            return !nearBarricade[cell];
        case BuildTurret:
            return !nearTurret[cell];
        default:
            return false;
    }
}

std::string IdleTrace::serialize() const {
    return bits(nearMine) + '\n' + bits(nearBarricade) + '\n' + bits(nearTurret) + '\n' +
           run.serialize();
}

IdleTrace IdleTrace::parse(const std::string& text) {
    std::istringstream input(text);
    std::string mines;
    std::string barricades;
    std::string turrets;
    std::getline(input, mines);
    std::getline(input, barricades);
    std::getline(input, turrets);
    IdleTrace trace;
    trace.nearMine = flagsOf(mines);
    trace.nearBarricade = flagsOf(barricades);
    trace.nearTurret = flagsOf(turrets);
    trace.run = SeedRun::parse(text.substr(mines.size() + barricades.size() + turrets.size() + 3));
    return trace;
}
