#include "play/GamePool.hpp"

#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "console/SystemCalls.hpp"

namespace {

// What a worker writes back: a tick is this one byte; a result, or the reason an item failed,
// is a header of this byte and the length in digits up to a newline, then that many bytes.
constexpr char kTick = '+';
constexpr char kResult = '=';
constexpr char kFailure = '!';

bool readWhole(int fd, char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t got = ::read(fd, bytes, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

// In the worker: play the items handed over until the program says there are no more, then
// leave without running the program's exit code.
[[noreturn]] void serve(int channel, pid_t program, const GamePool::Work& work) {
    // Gone with the program, should it be killed before it can stop its workers.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != program) {
        ::_exit(1);
    }
    const GamePool::Tick tick = [channel] { writeAll(channel, std::string(1, kTick)); };
    std::uint32_t item = 0;
    while (readWhole(channel, reinterpret_cast<char*>(&item), sizeof item)) {
        char kind = kResult;
        std::string text;
        try {
            text = work(item, tick);
        } catch (const std::exception& failure) {
            kind = kFailure;
            text = failure.what();
        }
        const std::string header = kind + std::to_string(text.size()) + '\n';
        if (!writeAll(channel, header + text) || kind == kFailure) {
            ::_exit(1);
        }
    }
    ::_exit(0);
}

std::string howItEnded(int status) {
    if (WIFSIGNALED(status)) {
        return "was killed by signal " + std::to_string(WTERMSIG(status)) + " (" +
               ::strsignal(WTERMSIG(status)) + ")";
    }
    return "stopped with status " + std::to_string(WEXITSTATUS(status));
}

struct Worker {
    pid_t pid = -1;
    int channel = -1;       // the program's end of a socket pair with the worker
    std::string received;   // what came and is not yet taken apart
    std::size_t index = 0;  // of the item it plays
};

// The workers of one run, stopped and waited for however the run ends.
class Crew {
public:
    Crew() = default;
    ~Crew() {
        for (Worker& worker : workers) {
            stop(worker);
        }
    }
    Crew(const Crew&) = delete;
    Crew& operator=(const Crew&) = delete;

    void start(std::size_t count, const GamePool::Work& work) {
        int ends[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
            throw systemError("cannot connect to a worker");
        }
        // Anything still buffered would otherwise be written once more by the worker.
        std::cout.flush();
        std::cerr.flush();
        const pid_t program = ::getpid();
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ends[0]);
            for (const Worker& other : workers) {
                ::close(other.channel);
            }
            serve(ends[1], program, work);
        }
        const int reason = errno;
        ::close(ends[1]);
        if (pid < 0) {
            ::close(ends[0]);
            throw std::runtime_error("cannot start worker " + std::to_string(workers.size() + 1) +
                                     " of " + std::to_string(count) + ": " +
                                     (reason == EAGAIN
                                          ? "the limit of processes (ulimit -u) is reached"
                                          : std::strerror(reason)));
        }
        workers.push_back({pid, ends[0], {}, 0});
    }

    // Waits for every worker to leave once it has no more items; throws if one failed.
    void finish() {
        for (Worker& worker : workers) {
            const int status = reap(worker);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                throw std::runtime_error("a worker " + howItEnded(status) + " after its last game");
            }
        }
    }

    // The worker is gone before it sent its result: how it ended.
    std::string died(Worker& worker) { return howItEnded(reap(worker)); }

    std::vector<Worker> workers;

private:
    static int reap(Worker& worker) {
        ::close(worker.channel);
        worker.channel = -1;
        int status = 0;
        while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
        }
        worker.pid = -1;
        return status;
    }
    static void stop(Worker& worker) {
        if (worker.pid > 0) {
            ::kill(worker.pid, SIGKILL);
            reap(worker);
        }
    }
};

void hand(Worker& worker, std::size_t index, std::uint32_t item) {
    worker.index = index;
    // The worker may be gone; that shows as the end of its channel, not as a signal here.
    if (::send(worker.channel, &item, sizeof item, MSG_NOSIGNAL) != ssize_t(sizeof item) &&
        errno != EPIPE && errno != ECONNRESET) {
        throw systemError("cannot hand a game to a worker");
    }
}

// Takes the next whole piece off what came: a tick, or a result or failure with its text.
// False when it has not all come yet.
bool takePiece(std::string& received, char& kind, std::string& text) {
    if (received.empty()) {
        return false;
    }
    kind = received[0];
    if (kind == kTick) {
        received.erase(0, 1);
        return true;
    }
    const std::size_t newline = received.find('\n');
    if (newline == std::string::npos) {
        return false;
    }
    const std::size_t length = std::stoul(received.substr(1, newline - 1));
    if (received.size() < newline + 1 + length) {
        return false;
    }
    text = received.substr(newline + 1, length);
    received.erase(0, newline + 1 + length);
    return true;
}

}  // namespace

std::vector<std::string> GamePool::run(const std::vector<std::uint32_t>& items, int workers,
                                       const Work& work, const Name& name,
                                       const Progress& progress) {
    std::vector<std::string> results(items.size());
    const std::size_t count = std::min(items.size(), std::size_t(std::max(workers, 1)));
    Crew crew;
    for (std::size_t k = 0; k < count; ++k) {
        crew.start(count, work);
    }
    std::size_t next = 0;
    for (Worker& worker : crew.workers) {
        hand(worker, next, items[next]);
        ++next;
    }
    std::size_t done = 0;
    std::size_t ticks = 0;
    std::vector<bool> busy(count, true);
    while (done < items.size()) {
        // A worker with no more items is left out: the end of its channel is no news.
        std::vector<pollfd> waiting;
        for (std::size_t w = 0; w < count; ++w) {
            waiting.push_back({busy[w] ? crew.workers[w].channel : -1, POLLIN, 0});
        }
        if (::poll(waiting.data(), waiting.size(), -1) < 0 && errno != EINTR) {
            throw systemError("cannot wait for the workers");
        }
        const std::size_t ticksBefore = ticks;
        for (std::size_t w = 0; w < count; ++w) {
            if (waiting[w].revents == 0) {
                continue;
            }
            Worker& worker = crew.workers[w];
            char buffer[65536];
            const ssize_t got = ::read(worker.channel, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            // A worker gone with an item unread resets its end rather than closing it.
            if (got < 0 && errno != ECONNRESET) {
                throw systemError("cannot read from a worker");
            }
            if (got <= 0) {
                throw std::runtime_error("the worker playing " + name(items[worker.index]) + " " +
                                         crew.died(worker));
            }
            worker.received.append(buffer, static_cast<std::size_t>(got));
            char kind = 0;
            std::string text;
            while (busy[w] && takePiece(worker.received, kind, text)) {
                if (kind == kTick) {
                    ++ticks;
                    continue;
                }
                if (kind == kFailure) {
                    throw std::runtime_error(name(items[worker.index]) + " failed: " + text);
                }
                results[worker.index] = std::move(text);
                ++done;
                busy[w] = next < items.size();
                if (busy[w]) {
                    hand(worker, next, items[next]);
                    ++next;
                } else {
                    ::shutdown(worker.channel, SHUT_WR);
                }
            }
        }
        if (ticks != ticksBefore) {
            progress(ticks);
        }
    }
    crew.finish();
    return results;
}
