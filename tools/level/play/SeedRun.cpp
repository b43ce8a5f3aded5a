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

// Notes the step in which the last human turned and the last zombie fell.
void noteEnds(const HeadlessGame& game, SeedRun& run) {
    const WorldState& state = game.worldState();
    if (!run.lastHumanStep && state.humans.empty()) {
        run.lastHumanStep = game.stepCount();
    }
    if (!run.lastZombieStep && state.zombies.empty()) {
        run.lastZombieStep = game.stepCount();
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
    for (int point = 1; point <= limits.timePoints && !game.isLost(); ++point) {
        for (std::uint32_t step = 0; step < StepsPerTimePoint; ++step) {
            if (!game.worldState().zombies.empty()) {
                player.act(game);
            }
            game.dispatch();
            noteEnds(game, run);
        }
        const WorldState& state = game.worldState();
        run.timePoints.push_back({static_cast<std::int32_t>(state.zombies.size()),
                                  static_cast<std::int32_t>(state.humans.size()),
                                  summarize(state).zombieRatio});
        onTimePoint();
        // Without zombies the humans left stay and the oldest time point holds some, so the
        // game can be neither lost nor changed; with no humans either it still runs to its loss.
        if (limits.stopOnceSettled && state.zombies.empty() && !state.humans.empty()) {
            while (run.timePoints.size() < static_cast<std::size_t>(limits.timePoints)) {
                run.timePoints.push_back(run.timePoints.back());
            }
            break;
        }
        if (limits.stopOnceFallen &&
            fallen(static_cast<std::int32_t>(state.humans.size()), run.humansAtStart)) {
            run.stoppedFallen = true;
            break;
        }
    }
    // A game that stopped early has still done its share of the work.
    for (auto left = run.timePoints.size(); left < static_cast<std::size_t>(limits.timePoints);
         ++left) {
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
         << steps << ' ' << timePoints.size() << '\n';
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
        run.lost >> run.stoppedFallen >> run.goldSpent >> run.steps >> count;
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
