#include "play/SeedRun.hpp"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "app/HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"
#include "play/Player.hpp"
#include "toolkit/Random.hpp"
#include "world/TimePointSummary.hpp"

namespace {

bool fallen(std::int32_t humansLeft, std::int32_t humansAtStart) {
    return 10 * humansLeft < 9 * humansAtStart;
}

// Notes the step in which the last human turned and the last zombie fell, forgetting either
// when a jump back has brought creatures back.
void noteEnds(const HeadlessGame& game, SeedRun& run) {
    const WorldState& state = game.worldState();
    const auto note = [&game](std::optional<std::uint32_t>& step, bool gone) {
        if (!gone) {
            step.reset();
        } else if (!step) {
            step = game.stepCount();
        }
    };
    note(run.lastHumanStep, state.humans.empty());
    note(run.lastZombieStep, state.zombies.empty());
}

TimePointCount countOf(const WorldState& state) {
    return {static_cast<std::int32_t>(state.zombies.size()),
            static_cast<std::int32_t>(state.humans.size()), summarize(state).zombieRatio};
}

// The player's turn before a step, and the jumps in time it made, read off the game's clock.
void letAct(Player& player, HeadlessGame& game, SeedRun& run) {
    const std::uint32_t before = game.stepCount();
    player.act(game);
    if (game.stepCount() < before) {
        ++run.jumpsBack;
    } else if (game.stepCount() > before) {
        ++run.jumpsForward;
    }
    noteEnds(game, run);
}

// The town at every time point the clock has reached, keeping only the time it finally took:
// after a jump back the abandoned time points are dropped, and time points that a jump forward
// played through unseen take the town as it landed.
void countTimePoints(const HeadlessGame& game, SeedRun& run) {
    const std::size_t reached = game.stepCount() / StepsPerTimePoint;
    if (game.stepCount() % StepsPerTimePoint == 0) {
        run.timePoints.resize(std::min(run.timePoints.size(), reached - 1));
    }
    while (run.timePoints.size() < reached) {
        run.timePoints.push_back(countOf(game.worldState()));
    }
}

}  // namespace

bool SeedRun::held() const {
    return !lost && !fallen(humansLeft, humansAtStart);
}

SeedRun SeedRun::play(const TileMap& level, std::uint32_t seed, Limits limits, Player& player,
                      const std::function<void()>& onTimePoint) {
    // The World draws the starting headings, so the engine must be seeded before it is built.
    tk::setRandomSeed(seed);
    HeadlessGame game(level);
    SeedRun run;
    run.seed = seed;
    run.humansAtStart = static_cast<std::int32_t>(game.worldState().humans.size());
    noteEnds(game, run);
    game.start();
    const auto limit = static_cast<std::size_t>(limits.timePoints);
    std::size_t ticked = 0;
    while (run.timePoints.size() < limit && !game.isLost()) {
        if (!game.worldState().zombies.empty()) {
            letAct(player, game, run);
        }
        game.dispatch();
        noteEnds(game, run);
        countTimePoints(game, run);
        for (; ticked < std::min(run.timePoints.size(), limit); ++ticked) {
            onTimePoint();
        }
        if (game.stepCount() % StepsPerTimePoint != 0) {
            continue;
        }
        const WorldState& state = game.worldState();
        // Without zombies the humans left stay and the oldest time point holds some, so the
        // game can be neither lost nor changed; with no humans either it still runs to its loss.
        if (limits.stopOnceSettled && state.zombies.empty() && !state.humans.empty()) {
            run.timePoints.resize(limit, run.timePoints.back());
            break;
        }
        if (limits.stopOnceFallen &&
            fallen(static_cast<std::int32_t>(state.humans.size()), run.humansAtStart)) {
            run.stoppedFallen = true;
            break;
        }
    }
    run.timePoints.resize(std::min(run.timePoints.size(), limit));
    // A game that stopped early has still done its share of the work.
    for (; ticked < limit; ++ticked) {
        onTimePoint();
    }
    run.humansLeft = static_cast<std::int32_t>(game.worldState().humans.size());
    run.lost = game.isLost();
    run.goldSpent = game.worldState().goldSpent;
    run.steps = game.stepCount();
    return run;
}

SeedRun SeedRun::play(const TileMap& level, std::uint32_t seed, int timePointCount) {
    IdlePlayer nobody;
    return play(level, seed, {timePointCount}, nobody);
}

std::string SeedRun::serialize() const {
    const auto step = [](const std::optional<std::uint32_t>& at) {
        return at ? static_cast<std::int64_t>(*at) : -1;
    };
    std::ostringstream text;
    text << seed << ' ' << humansAtStart << ' ' << humansLeft << ' ' << step(lastHumanStep) << ' '
         << step(lastZombieStep) << ' ' << lost << ' ' << stoppedFallen << ' ' << goldSpent << ' '
         << steps << ' ' << jumpsBack << ' ' << jumpsForward << ' ' << timePoints.size() << '\n';
    for (const TimePointCount& count : timePoints) {
        // Nine significant digits bring every float back bit for bit.
        char share[32];
        std::snprintf(share, sizeof share, "%.9g", static_cast<double>(count.zombieShare));
        text << count.zombies << ' ' << count.humans << ' ' << share << '\n';
    }
    return text.str();
}

SeedRun SeedRun::parse(const std::string& text) {
    std::istringstream input(text);
    SeedRun run;
    std::int64_t lastHuman = 0;
    std::int64_t lastZombie = 0;
    std::size_t count = 0;
    input >> run.seed >> run.humansAtStart >> run.humansLeft >> lastHuman >> lastZombie >>
        run.lost >> run.stoppedFallen >> run.goldSpent >> run.steps >> run.jumpsBack >>
        run.jumpsForward >> count;
    if (lastHuman >= 0) {
        run.lastHumanStep = static_cast<std::uint32_t>(lastHuman);
    }
    if (lastZombie >= 0) {
        run.lastZombieStep = static_cast<std::uint32_t>(lastZombie);
    }
    for (std::size_t i = 0; i < count && input; ++i) {
        TimePointCount point;
        input >> point.zombies >> point.humans >> point.zombieShare;
        run.timePoints.push_back(point);
    }
    if (!input) {
        throw std::runtime_error("a simulated game came back incomplete");
    }
    return run;
}
