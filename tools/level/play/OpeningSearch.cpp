#include "play/OpeningSearch.hpp"

#include <algorithm>
#include <set>
#include <sstream>

#include "app/HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"
#include "play/IdleTrace.hpp"
#include "play/SeedRun.hpp"
#include "play/Sight.hpp"
#include "toolkit/Random.hpp"

namespace {

constexpr std::int32_t kBuildings[] = {BuildMine, BuildBarricade, BuildTurret};
// The first minute, in which a good first move has to have been made.
constexpr std::uint32_t kFirstMinute = 60 * kStepsPerSecond;

std::vector<sf::Vector2u> freeStreet(const TileMap& level) {
    tk::setRandomSeed(1);
    const HeadlessGame game(level);
    std::vector<sf::Vector2u> cells;
    for (std::uint32_t row = 0; row < level.size; ++row) {
        for (std::uint32_t column = 0; column < level.size; ++column) {
            if (sight::isFreeStreet(game.worldState(), {column, row})) {
                cells.emplace_back(column, row);
            }
        }
    }
    return cells;
}

std::vector<Opening> withEachBuilding(const std::vector<sf::Vector2u>& cells) {
    std::vector<Opening> openings;
    for (const std::int32_t code : kBuildings) {
        for (const sf::Vector2u cell : cells) {
            openings.push_back({code, cell});
        }
    }
    return openings;
}

// Cells, as row-major numbers, that a starting zombie stands in at some step before the first
// human turns, or before the first minute is out.
std::set<std::uint32_t> walkedByZombies(const TileMap& level, int seeds) {
    std::set<std::uint32_t> walked;
    for (int seed = 1; seed <= seeds; ++seed) {
        tk::setRandomSeed(static_cast<std::uint32_t>(seed));
        HeadlessGame game(level);
        const std::size_t humans = game.worldState().humans.size();
        const std::size_t zombies = game.worldState().zombies.size();
        game.start();
        while (game.stepCount() < kFirstMinute && game.worldState().humans.size() == humans &&
               !game.isLost()) {
            const WorldState& state = game.worldState();
            for (std::size_t i = 0; i < zombies && i < state.zombies.size(); ++i) {
                if (const auto cell = sight::cellAt(state, state.zombies[i].position)) {
                    walked.insert(cell->y * level.size + cell->x);
                }
            }
            game.dispatch();
        }
    }
    return walked;
}

// A search only asks whether a game holds, so it stops a game as soon as that is known.
SeedRun::Limits searchLimits(const OpeningSearch::Settings& settings) {
    SeedRun::Limits limits;
    limits.timePoints = settings.timePoints;
    limits.stopOnceSettled = true;
    limits.stopOnceFallen = true;
    return limits;
}

// Adds one game's outcome to the opening's.
void count(OpeningResult& result, const SeedRun& run, const OpeningSearch::Settings& settings) {
    if (run.held()) {
        ++result.held;
        result.stepsHeld += static_cast<std::uint64_t>(settings.timePoints) * StepsPerTimePoint;
    } else {
        result.stepsHeld += run.steps;
    }
}

std::vector<IdleTrace> traceIdleGames(const TileMap& level,
                                      const OpeningSearch::Settings& settings) {
    std::vector<std::uint32_t> seeds;
    for (int seed = 1; seed <= settings.seeds; ++seed) {
        seeds.push_back(static_cast<std::uint32_t>(seed));
    }
    const auto work = [&](std::uint32_t seed, const GamePool::Tick&) {
        return IdleTrace::play(level, seed, searchLimits(settings)).serialize();
    };
    const auto name = [](std::uint32_t seed) {
        return "the game of seed " + std::to_string(seed) + " with nobody building";
    };
    std::vector<IdleTrace> traces;
    for (const std::string& text :
         GamePool::run(seeds, settings.jobs, work, name, [](std::size_t) {})) {
        traces.push_back(IdleTrace::parse(text));
    }
    return traces;
}

}  // namespace

std::vector<Opening> OpeningSearch::everyOpening(const TileMap& level) {
    return withEachBuilding(freeStreet(level));
}

std::vector<Opening> OpeningSearch::nearTheOutbreak(const TileMap& level, int seeds) {
    const std::set<std::uint32_t> walked = walkedByZombies(level, seeds);
    std::vector<sf::Vector2u> near;
    for (const sf::Vector2u cell : freeStreet(level)) {
        const bool inRange = std::any_of(walked.begin(), walked.end(), [&](std::uint32_t number) {
            const sf::Vector2u other(number % level.size, number / level.size);
            return sight::distance(sight::middleOf(cell), sight::middleOf(other)) < kTurretRange;
        });
        if (inRange) {
            near.push_back(cell);
        }
    }
    return withEachBuilding(near);
}

std::vector<OpeningResult> OpeningSearch::tryAll(const TileMap& level,
                                                 const std::vector<Opening>& openings,
                                                 const Settings& settings,
                                                 const GamePool::Progress& progress) {
    return tryEach(level, openings, std::vector<bool>(openings.size(), false), settings, progress);
}

OpeningSearch::Survey OpeningSearch::survey(const TileMap& level, const Settings& settings) {
    const std::vector<Opening> near = nearTheOutbreak(level, settings.seeds);
    const std::vector<Opening> all = everyOpening(level);
    std::vector<bool> onlyWhetherHeld;
    for (const Opening& opening : all) {
        onlyWhetherHeld.push_back(std::none_of(near.begin(), near.end(), [&](const Opening& other) {
            return other.code == opening.code && other.cell == opening.cell;
        }));
    }
    const std::vector<OpeningResult> results =
        tryEach(level, all, onlyWhetherHeld, settings, [](std::size_t) {});
    Survey survey;
    survey.tried = static_cast<int>(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!onlyWhetherHeld[i]) {
            survey.nearTheOutbreak.push_back(results[i]);
        }
        survey.heldEverySeed += results[i].held == settings.seeds ? 1 : 0;
    }
    return survey;
}

std::vector<OpeningResult> OpeningSearch::tryEach(const TileMap& level,
                                                  const std::vector<Opening>& openings,
                                                  const std::vector<bool>& onlyWhetherHeld,
                                                  const Settings& settings,
                                                  const GamePool::Progress& progress) {
    const std::vector<IdleTrace> idle = traceIdleGames(level, settings);
    // Per opening, the seeds whose game it changes; the others are the idle games.
    std::vector<std::vector<std::uint32_t>> changed(openings.size());
    std::vector<OpeningResult> results;
    for (std::size_t i = 0; i < openings.size(); ++i) {
        results.push_back({openings[i], 0, 0});
        for (const IdleTrace& trace : idle) {
            if (settings.skipUnchanged && trace.leavesAlone(openings[i], level.size)) {
                count(results[i], trace.run, settings);
            } else {
                changed[i].push_back(trace.run.seed);
            }
        }
        // An idle game it leaves alone that falls has answered whether it holds every seed.
        const auto unchanged = idle.size() - changed[i].size();
        if (onlyWhetherHeld[i] && results[i].held < static_cast<int>(unchanged)) {
            changed[i].clear();
        }
    }
    const auto work = [&](std::uint32_t item, const GamePool::Tick& tick) {
        OpeningResult result{openings[item], 0, 0};
        for (std::size_t k = 0; k < changed[item].size(); ++k) {
            OpeningPlayer player(openings[item], nullptr);
            count(result, SeedRun::play(level, changed[item][k], searchLimits(settings), player),
                  settings);
            if (onlyWhetherHeld[item] && result.held <= static_cast<int>(k)) {
                break;
            }
        }
        tick();
        return std::to_string(result.held) + ' ' + std::to_string(result.stepsHeld);
    };
    std::vector<std::uint32_t> items;
    for (std::uint32_t i = 0; i < openings.size(); ++i) {
        if (!changed[i].empty()) {
            items.push_back(i);
        }
    }
    const std::size_t alreadyDone = openings.size() - items.size();
    const auto name = [&](std::uint32_t item) {
        return "the games of the opening " + openings[item].describe();
    };
    const std::vector<std::string> texts =
        GamePool::run(items, settings.jobs, work, name,
                      [&](std::size_t ticks) { progress(alreadyDone + ticks); });
    for (std::size_t k = 0; k < items.size(); ++k) {
        OpeningResult played;
        std::istringstream(texts[k]) >> played.held >> played.stepsHeld;
        results[items[k]].held += played.held;
        results[items[k]].stepsHeld += played.stepsHeld;
    }
    return results;
}

std::vector<OpeningResult> OpeningSearch::ranked(std::vector<OpeningResult> results) {
    std::stable_sort(results.begin(), results.end(),
                     [](const OpeningResult& a, const OpeningResult& b) {
                         return a.held != b.held ? a.held > b.held : a.stepsHeld > b.stepsHeld;
                     });
    return results;
}
