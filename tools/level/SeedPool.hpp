#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Runs one piece of work per seed, each in a child process of its own, at most `jobs` at a
// time, and gives back what each one wrote, in the order of the seeds whatever order they
// finish in. A child owns a copy of the whole process, so the game's one random engine is
// never shared between two games, and one job gives exactly what many give.
class SeedPool {
public:
    using Work = std::function<std::string(std::uint32_t seed)>;
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    // Throws std::runtime_error when a child cannot be started or does not finish cleanly.
    static std::vector<std::string> run(const std::vector<std::uint32_t>& seeds, int jobs,
                                        const Work& work, const Progress& progress);
};
