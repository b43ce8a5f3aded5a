#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "support/Levels.hpp"
#include "support/ParticleRenderer.hpp"
#include "toolkit/Random.hpp"
#include "world/Timing.hpp"
#include "world/World.hpp"

namespace {

// Sound cues are dropped anyway while the World is silent; this only satisfies the interface.
class NoSounds : public SoundCues {
public:
    void play(const std::string&) override {}
    void purgeStopped() override {}
};

// 2880 steps are 48 seconds of play: sixteen time points, a forward jump of the whole timeline.
constexpr int kLongRun = 2880;

TileMap defaultLevel() {
    TileMap level;
    level.load(ZEMBROOK_SOURCE_DIR "/levels/TileMap.txt");
    return level;
}

TileMap stressLevel() {
    return levels::read(levels::denseStressText());
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

// The average step over a whole long run, starting again from the level at its end.
void oneStep(benchmark::State& benchmarkState, const TileMap& level) {
    tk::setRandomSeed(1);
    auto simulation = std::make_unique<Simulation>(level);
    int stepsRun = 0;
    for (auto _ : benchmarkState) {
        if (stepsRun == kLongRun) {
            benchmarkState.PauseTiming();
            simulation = std::make_unique<Simulation>(level);
            stepsRun = 0;
            benchmarkState.ResumeTiming();
        }
        simulation->step();
        ++stepsRun;
    }
    benchmarkState.counters["zombies"] =
        static_cast<double>(simulation->world.getState().zombies.size());
    benchmarkState.counters["particles"] =
        static_cast<double>(simulation->renderer.particles.particleCount());
}

void longRun(benchmark::State& benchmarkState, const TileMap& level) {
    tk::setRandomSeed(1);
    for (auto _ : benchmarkState) {
        benchmarkState.PauseTiming();
        auto simulation = std::make_unique<Simulation>(level);
        benchmarkState.ResumeTiming();
        for (int i = 0; i < kLongRun; ++i) {
            simulation->step();
        }
        benchmarkState.PauseTiming();
        simulation.reset();
        benchmarkState.ResumeTiming();
    }
}

void OneStepDefaultLevel(benchmark::State& state) {
    oneStep(state, defaultLevel());
}
void OneStepStressLevel(benchmark::State& state) {
    oneStep(state, stressLevel());
}
void LongRunDefaultLevel(benchmark::State& state) {
    longRun(state, defaultLevel());
}
void LongRunStressLevel(benchmark::State& state) {
    longRun(state, stressLevel());
}

}  // namespace

BENCHMARK(OneStepDefaultLevel)->Unit(benchmark::kMicrosecond);
BENCHMARK(OneStepStressLevel)->Unit(benchmark::kMicrosecond);
BENCHMARK(LongRunDefaultLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(LongRunStressLevel)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
