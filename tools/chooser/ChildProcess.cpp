#include "ChildProcess.hpp"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ext/stdio_filebuf.h>
#include <istream>
#include <stdexcept>
#include <utility>

extern char** environ;

namespace {

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
    // The end is closed by whoever takes it.
    int release(int which) { return std::exchange(ends[which], -1); }
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

// Passes on, line by line, everything the child writes until it and every program it started
// are done writing, and gives the last line that said anything. Lines are strings, so a NUL
// in one is passed on with the rest. The standard library reads the pipe: a read() into a
// buffer of known size here would compile to the unchecked call, which Debian's hardening
// check reports as a binary built without fortified functions.
std::string relayLines(int from, const ChildProcess::LineSink& relay) {
    __gnu_cxx::stdio_filebuf<char> pipe(from, std::ios::in);
    std::istream lines(&pipe);
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        relay(line);
        if (!line.empty()) {
            last = line;
        }
    }
    return last;
}

}  // namespace

ChildOutcome ChildProcess::run(const std::vector<std::string>& command, const LineSink& relay) {
    Pipe errors;
    const pid_t child = spawn(command, errors);
    errors.closeEnd(1);
    const std::string lastWords = relayLines(errors.release(0), relay);
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("lost " + command[0] + ": " + std::strerror(errno));
        }
    }
    const int code = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    return {code, lastWords};
}
