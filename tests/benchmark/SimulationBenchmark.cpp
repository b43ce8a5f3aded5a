#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "entities/GameNumbers.hpp"
#include "support/Levels.hpp"
#include "support/ParticleRenderer.hpp"
#include "support/TestSession.hpp"
#include "toolkit/Random.hpp"
#include "world/World.hpp"

namespace {

// Sound cues are dropped anyway while the World is silent; this only satisfies the interface.
class NoSounds : public SoundCues {
public:
    void play(const std::string&) override {}
    void purgeStopped() override {}
};

using ParticleSession = BasicTestSession<ParticleRenderer>;

constexpr std::int32_t kJumpFrom = 16;
constexpr std::int32_t kJumpLength = 16;
// One second of play from the level's start, while the crowd is still whole.
constexpr int kMeasuredSteps = 60;

TileMap defaultLevel() {
    TileMap level;
    level.load(ZEMBROOK_SOURCE_DIR "/levels/TileMap.txt");
    return level;
}

// A silent world with its own particles, as the game runs it while fast-forwarding.
struct Simulation {
    explicit Simulation(const TileMap& level) : world(renderer, sounds, level) {
        world.setSilent(true);
    }
    void step() {
        world.step(TimePerFrame);
        renderer.particles.update(TimePerFrame);
    }

    ParticleRenderer renderer;
    NoSounds sounds;
    World world;
};

// A game played to time point 16, then the player's jump sixteen time points ahead through
// the rules of play: every skipped step with its income, snapshots, game-over test and
// timeline. Between jumps the game goes back to where it stood, so each jump plays the same
// stretch of time.
void forwardJump(benchmark::State& benchmarkState, const TileMap& level) {
    tk::setRandomSeed(static_cast<std::uint32_t>(benchmarkState.range(0)));
    auto game = std::make_unique<ParticleSession>(level);
    game->playUntil(TimePoint{kJumpFrom});
    const WorldState start = game->world.getState();
    const History startHistory = game->history;
    const std::uint32_t startSteps = game->stepCount;
    const TimePoint target{kJumpFrom + kJumpLength};
    for (auto _ : benchmarkState) {
        benchmarkState.PauseTiming();
        game->history = startHistory;
        game->world.replaceState(start);
        game->stepCount = startSteps;
        benchmarkState.ResumeTiming();
        game->session().jumpTo(target);
        if (game->history.currentTimePoint() != target) {
            benchmarkState.SkipWithError("the jump did not arrive: the game ended on the way");
            break;
        }
    }
    benchmarkState.counters["zombies"] = static_cast<double>(game->world.getState().zombies.size());
}

// The first second of play on a level crowded edge to edge, timed step by step and reported
// per creature: a cost that grows with the crowd shows as a rising time per creature.
void stepCheckerboard(benchmark::State& benchmarkState) {
    const auto side = static_cast<int>(benchmarkState.range(0));
    const TileMap level = levels::read(levels::checkerboardText(side));
    const auto creatures = static_cast<double>((side - 2) * (side - 2));
    tk::setRandomSeed(1);
    for (auto _ : benchmarkState) {
        benchmarkState.PauseTiming();
        auto simulation = std::make_unique<Simulation>(level);
        benchmarkState.ResumeTiming();
        for (int step = 0; step < kMeasuredSteps; ++step) {
            simulation->step();
        }
        benchmarkState.PauseTiming();
        simulation.reset();
        benchmarkState.ResumeTiming();
    }
    const double creatureSteps =
        creatures * kMeasuredSteps * static_cast<double>(benchmarkState.iterations());
    benchmarkState.counters["creatures"] = creatures;
    // Seconds per creature and step.
    benchmarkState.counters["per_creature"] = benchmark::Counter(
        creatureSteps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void ForwardJumpDefaultLevel(benchmark::State& state) {
    forwardJump(state, defaultLevel());
}
void ForwardJumpDenseLevel(benchmark::State& state) {
    forwardJump(state, levels::read(levels::denseStressText()));
}

}  // namespace

// The argument of the jumps is the random seed of the game played up to the jump.
BENCHMARK(ForwardJumpDefaultLevel)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(ForwardJumpDenseLevel)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);
// The argument is the side of the level.
BENCHMARK(stepCheckerboard)
    ->Name("StepCheckerboard")
    ->Arg(22)
    ->Arg(44)
    ->Arg(88)
    ->Arg(176)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
