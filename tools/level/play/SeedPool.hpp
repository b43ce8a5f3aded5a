#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Runs one piece of work per seed, each in a child process of its own, at most `jobs` at a
// time, and gives back what each one wrote, in the order of the seeds whatever order they
// finish in. A child owns a copy of the whole process, so the game's one random engine is
// never shared between two games, and one job gives exactly what many give. While it works, a
// child may tick to say it got further; the ticks of all children are counted as they come.
class SeedPool {
public:
    using Tick = std::function<void()>;
    using Work = std::function<std::string(std::uint32_t seed, const Tick& tick)>;
    using Progress = std::function<void(std::size_t ticks)>;

    // Throws std::runtime_error when a child cannot be started or does not finish cleanly.
    static std::vector<std::string> run(const std::vector<std::uint32_t>& seeds, int jobs,
                                        const Work& work, const Progress& progress);
};
