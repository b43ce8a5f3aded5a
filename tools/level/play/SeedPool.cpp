#include "play/SeedPool.hpp"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "console/SystemCalls.hpp"

namespace {

// A child writes one of these for each tick, all before its result, which never starts so.
constexpr char kTick = '+';

struct Child {
    pid_t pid = -1;
    int output = -1;  // the reading end of the child's pipe
    std::size_t index = 0;
    std::string text;
};

// In the child: do the work, hand it over and leave without running the parent's exit code.
[[noreturn]] void runChild(int output, std::uint32_t seed, const SeedPool::Work& work) {
    int status = 1;
    const SeedPool::Tick tick = [output] { writeAll(output, std::string(1, kTick)); };
    try {
        status = writeAll(output, work(seed, tick)) ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "zembrook-level: seed " << seed << ": " << error.what() << '\n';
    }
    ::_exit(status);
}

Child spawn(std::size_t index, std::uint32_t seed, const SeedPool::Work& work) {
    int ends[2];
    if (::pipe(ends) != 0) {
        throw systemError("cannot make a pipe");
    }
    // Anything still buffered would otherwise be written once more by the child.
    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw systemError("cannot start a process");
    }
    if (pid == 0) {
        ::close(ends[0]);
        runChild(ends[1], seed, work);
    }
    ::close(ends[1]);
    Child child;
    child.pid = pid;
    child.output = ends[0];
    child.index = index;
    return child;
}

// Reads what is there, counting the ticks ahead of the result; true once the child is done.
bool drain(Child& child, std::size_t& ticks) {
    char buffer[65536];
    const ssize_t n = ::read(child.output, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) {
        return false;
    }
    if (n < 0) {
        throw systemError("cannot read a simulated game");
    }
    for (ssize_t i = 0; i < n; ++i) {
        if (child.text.empty() && buffer[i] == kTick) {
            ++ticks;
        } else {
            child.text += buffer[i];
        }
    }
    return n == 0;
}

void reap(const Child& child, std::uint32_t seed) {
    ::close(child.output);
    int status = 0;
    while (::waitpid(child.pid, &status, 0) < 0) {
        if (errno != EINTR) {
            throw systemError("cannot wait for a simulated game");
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the game of seed " + std::to_string(seed) + " failed");
    }
}

}  // namespace

std::vector<std::string> SeedPool::run(const std::vector<std::uint32_t>& seeds, int jobs,
                                       const Work& work, const Progress& progress) {
    std::vector<std::string> results(seeds.size());
    std::vector<Child> running;
    std::size_t next = 0;
    std::size_t done = 0;
    std::size_t ticks = 0;
    const std::size_t limit = jobs < 1 ? 1 : static_cast<std::size_t>(jobs);
    while (done < seeds.size()) {
        while (running.size() < limit && next < seeds.size()) {
            running.push_back(spawn(next, seeds[next], work));
            ++next;
        }
        std::vector<pollfd> waiting;
        for (const Child& child : running) {
            waiting.push_back({child.output, POLLIN, 0});
        }
        if (::poll(waiting.data(), waiting.size(), -1) < 0 && errno != EINTR) {
            throw systemError("cannot wait for a simulated game");
        }
        const std::size_t ticksBefore = ticks;
        for (std::size_t i = running.size(); i-- > 0;) {
            if (waiting[i].revents == 0 || !drain(running[i], ticks)) {
                continue;
            }
            reap(running[i], seeds[running[i].index]);
            results[running[i].index] = std::move(running[i].text);
            running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
            ++done;
        }
        if (ticks != ticksBefore) {
            progress(ticks);
        }
    }
    return results;
}
