#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <functional>
#include <numeric>
#include <set>
#include <sstream>

#include "play/GamePool.hpp"

namespace {

std::vector<std::uint32_t> seeds(std::uint32_t count) {
    std::vector<std::uint32_t> items(count);
    std::iota(items.begin(), items.end(), 1u);
    return items;
}

std::string seedName(std::uint32_t item) {
    return "the game of seed " + std::to_string(item);
}

// No process the pool started is left, running or waiting to be reaped.
bool noChildLeft() {
    errno = 0;
    return ::waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

}  // namespace

TEST(GamePoolTest, AFewWorkersPlayEveryItemAndGiveTheResultsInTheirOrder) {
    const std::vector<std::uint32_t> items = seeds(40);
    // Each result says which process played it.
    const auto work = [](std::uint32_t item, const GamePool::Tick& tick) {
        tick();
        tick();
        return std::to_string(item * item) + " " + std::to_string(::getpid());
    };
    for (const int workers : {1, 3, 100}) {
        SCOPED_TRACE(workers);
        std::size_t ticks = 0;
        const std::vector<std::string> results =
            GamePool::run(items, workers, work, seedName, [&](std::size_t n) { ticks = n; });
        ASSERT_EQ(results.size(), items.size());
        std::set<long> processes;
        for (std::size_t k = 0; k < items.size(); ++k) {
            long square = 0;
            long process = 0;
            std::istringstream(results[k]) >> square >> process;
            EXPECT_EQ(square, long(items[k]) * items[k]);
            processes.insert(process);
        }
        EXPECT_LE(processes.size(), std::min<std::size_t>(workers, items.size()));
        EXPECT_EQ(processes.count(::getpid()), 0u);
        EXPECT_EQ(ticks, 2 * items.size());
        EXPECT_TRUE(noChildLeft());
    }
}

// Seed 7 goes wrong while the workers beside it are in the middle of long games, which they are
// not let finish: the run ends at once with one message naming the game.
TEST(GamePoolTest, AGameThatFailsOrAWorkerThatDiesIsNamedAndEveryOtherWorkerIsStopped) {
    struct Case {
        std::function<void()> fault;
        std::string message;
    };
    const Case kCases[] = {
        {[] { throw std::runtime_error("no room"); }, "the game of seed 7 failed: no room"},
        {[] { ::raise(SIGKILL); },
         "the worker playing the game of seed 7 was killed by signal 9 (Killed)"},
        {[] { ::_exit(3); }, "the worker playing the game of seed 7 stopped with status 3"},
    };
    for (const Case& test : kCases) {
        for (const int workers : {1, 3}) {
            SCOPED_TRACE(test.message + " with " + std::to_string(workers) + " workers");
            const auto work = [&test](std::uint32_t item, const GamePool::Tick&) {
                if (item == 7) {
                    test.fault();
                } else if (item > 7) {
                    ::sleep(60);
                }
                return std::string("played");
            };
            const auto start = std::chrono::steady_clock::now();
            try {
                GamePool::run(seeds(20), workers, work, seedName, [](std::size_t) {});
                ADD_FAILURE() << "no failure";
            } catch (const std::runtime_error& failure) {
                EXPECT_EQ(failure.what(), test.message);
            }
            const auto took = std::chrono::steady_clock::now() - start;
            EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(took).count(), 20);
            EXPECT_TRUE(noChildLeft());
        }
    }
}
