#include "ChildProcess.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace {

// Enough for a last line; more would only be held to be thrown away.
constexpr std::size_t kKeptBytes = 4096;

class Pipe {
public:
    Pipe() {
        if (pipe(ends) != 0) {
            throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
        }
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int end(int which) const { return ends[which]; }
    void closeEnd(int which) {
        if (ends[which] >= 0) {
            close(ends[which]);
            ends[which] = -1;
        }
    }

private:
    int ends[2] = {-1, -1};
};

pid_t spawn(const std::vector<std::string>& command, const Pipe& errors) {
    std::vector<char*> arguments;
    for (const std::string& word : command) {
        arguments.push_back(const_cast<char*>(word.c_str()));
    }
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors.end(1), STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, errors.end(0));
    posix_spawn_file_actions_addclose(&actions, errors.end(1));
    pid_t child = 0;
    const int failed =
        posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("cannot start " + command[0] + ": " + std::strerror(failed));
    }
    return child;
}

// Passes on everything the child writes until it and every program it started are done
// writing, and keeps the end of it.
std::string relay(int from) {
    std::string kept;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return kept;
        }
        // Nothing to be done when our own error stream is gone.
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, buffer, std::size_t(got));
        kept.append(buffer, std::size_t(got));
        if (kept.size() > 2 * kKeptBytes) {
            kept.erase(0, kept.size() - kKeptBytes);
        }
    }
}

std::string lastLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    const std::size_t newline = text.rfind('\n');
    return newline == std::string::npos ? text : text.substr(newline + 1);
}

}  // namespace

ChildOutcome ChildProcess::run(const std::vector<std::string>& command) {
    Pipe errors;
    const pid_t child = spawn(command, errors);
    errors.closeEnd(1);
    const std::string written = relay(errors.end(0));
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("lost " + command[0] + ": " + std::strerror(errno));
        }
    }
    const int code = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    return {code, lastLine(written)};
}
