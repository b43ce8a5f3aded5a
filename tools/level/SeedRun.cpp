#include "SeedRun.hpp"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"
#include "toolkit/Random.hpp"

SeedRun SeedRun::play(const TileMap& level, std::uint32_t seed, int timePointCount,
                      const std::function<void()>& onTimePoint) {
    // The World draws the starting headings, so the engine must be seeded before it is built.
    tk::setRandomSeed(seed);
    HeadlessGame game(level);
    SeedRun run;
    run.seed = seed;
    if (game.worldState().humans.empty()) {
        run.lastHumanStep = 0;
    }
    game.start();
    for (int point = 1; point <= timePointCount && !game.isLost(); ++point) {
        for (std::uint32_t step = 0; step < StepsPerTimePoint; ++step) {
            game.dispatch();
            if (!run.lastHumanStep && game.worldState().humans.empty()) {
                run.lastHumanStep = game.stepCount();
            }
        }
        const WorldState& state = game.worldState();
        run.timePoints.push_back({static_cast<std::int32_t>(state.zombies.size()),
                                  static_cast<std::int32_t>(state.humans.size()),
                                  summarize(state).zombieRatio});
        onTimePoint();
    }
    run.lost = game.isLost();
    return run;
}

std::string SeedRun::serialize() const {
    std::ostringstream text;
    text << seed << ' ' << (lastHumanStep ? static_cast<std::int64_t>(*lastHumanStep) : -1) << ' '
         << lost << ' ' << timePoints.size() << '\n';
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
    std::int64_t lastHumanStep = 0;
    std::size_t count = 0;
    input >> run.seed >> lastHumanStep >> run.lost >> count;
    if (lastHumanStep >= 0) {
        run.lastHumanStep = static_cast<std::uint32_t>(lastHumanStep);
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
