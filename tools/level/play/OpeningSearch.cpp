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
// How many pieces of work each job gets in a search, at the least.
constexpr std::size_t kPiecesPerJob = 16;

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

SeedRun::Limits searchLimits(const OpeningSearch::Settings& settings) {
    return {settings.timePoints, true, true};
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
    const auto work = [&](std::uint32_t seed, const SeedPool::Tick&) {
        return IdleTrace::play(level, seed, searchLimits(settings)).serialize();
    };
    std::vector<IdleTrace> traces;
    for (const std::string& text : SeedPool::run(seeds, settings.jobs, work, [](std::size_t) {})) {
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
                                                 const SeedPool::Progress& progress) {
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
                                                  const SeedPool::Progress& progress) {
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
    std::vector<std::uint32_t> toPlay;
    for (std::uint32_t i = 0; i < openings.size(); ++i) {
        if (!changed[i].empty()) {
            toPlay.push_back(i);
        }
    }
    // Several openings to a process, as starting one costs about as much as a short game, yet
    // enough pieces of work for every job to have its share until the end.
    const std::size_t jobs = static_cast<std::size_t>(std::max(settings.jobs, 1));
    const std::size_t perProcess = std::max<std::size_t>(1, toPlay.size() / (jobs * kPiecesPerJob));
    const auto work = [&](std::uint32_t item, const SeedPool::Tick& tick) {
        std::string text;
        const std::size_t last = std::min(toPlay.size(), (item + 1) * perProcess);
        for (std::size_t piece = item * perProcess; piece < last; ++piece) {
            const std::uint32_t i = toPlay[piece];
            OpeningResult result{openings[i], 0, 0};
            for (std::size_t k = 0; k < changed[i].size(); ++k) {
                OpeningPlayer player(openings[i], nullptr);
                count(result, SeedRun::play(level, changed[i][k], searchLimits(settings), player),
                      settings);
                if (onlyWhetherHeld[i] && result.held <= static_cast<int>(k)) {
                    break;
                }
            }
            tick();
            text += std::to_string(result.held) + ' ' + std::to_string(result.stepsHeld) + '\n';
        }
        return text;
    };
    std::vector<std::uint32_t> items;
    for (std::uint32_t item = 0; item * perProcess < toPlay.size(); ++item) {
        items.push_back(item);
    }
    const std::size_t alreadyDone = openings.size() - toPlay.size();
    const std::vector<std::string> texts = SeedPool::run(
        items, settings.jobs, work, [&](std::size_t ticks) { progress(alreadyDone + ticks); });
    std::size_t piece = 0;
    for (const std::string& text : texts) {
        std::istringstream lines(text);
        OpeningResult played;
        while (lines >> played.held >> played.stepsHeld) {
            results[toPlay[piece]].held += played.held;
            results[toPlay[piece]].stepsHeld += played.stepsHeld;
            ++piece;
        }
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
