#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Plays many games on a fixed number of worker processes: each worker is started once and
// handed one item at a time, and plays item after item until there are none left. The results
// come back in the order of the items, whatever order they finish in. A worker owns a copy of
// the whole process, so the game's one random engine is never shared by two games at once, and
// as every game seeds it afresh, one worker gives exactly what many give. While it plays, a
// worker may tick to say it got further; the ticks of all workers are counted as they come.
class GamePool {
public:
    using Tick = std::function<void()>;
    // Plays one item, numbered as the caller likes: a seed, an opening, a player and a seed.
    using Work = std::function<std::string(std::uint32_t item, const Tick& tick)>;
    // Names an item in a message: "the game of seed 3".
    using Name = std::function<std::string(std::uint32_t item)>;
    using Progress = std::function<void(std::size_t ticks)>;

    // Throws std::runtime_error naming what failed when a worker cannot be started, when an
    // item fails, or when a worker dies; by then every other worker has been stopped and
    // waited for, so that none is left behind.
    static std::vector<std::string> run(const std::vector<std::uint32_t>& items, int workers,
                                        const Work& work, const Name& name,
                                        const Progress& progress);
};
