#include "console/SystemCalls.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

std::runtime_error systemError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

std::string whyNot(const std::string& path, int error) {
    if (error == ELOOP) {
        return "its symbolic links go round in a loop (or nest deeper than the system follows)";
    }
    if (error == ENAMETOOLONG && path.size() >= PATH_MAX) {
        return "the path is too long: " + std::to_string(path.size()) +
               " bytes, where the system takes at most " + std::to_string(PATH_MAX - 1);
    }
    if (error == ENAMETOOLONG) {
        return "the path is too long: a name in it, or the path its links lead to, is longer "
               "than the system takes (" +
               std::to_string(NAME_MAX) + " bytes a name, " + std::to_string(PATH_MAX - 1) +
               " a path)";
    }
    return std::strerror(error);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int readAtMost(const std::string& path, std::size_t limit, std::string& text) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return errno;
    }
    // An array of known size, so that a hardened build checks each read against it; a buffer
    // on the heap would leave the read unchecked, and Debian's tools would say so.
    char buffer[1 << 16];
    int reason = 0;
    while (text.size() < limit) {
        const ssize_t got = ::read(file, buffer, std::min(sizeof buffer, limit - text.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            reason = got < 0 ? errno : 0;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(file);
    return reason;
}
