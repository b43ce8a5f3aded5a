#include "PlainFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace {

// What a file that is not plain is, as its reader would want it named.
const char* kindOf(mode_t mode) {
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "not a plain file";
}

// Closes the file however the reading ends.
class OpenFile {
public:
    explicit OpenFile(int descriptor) : descriptor(descriptor) {}
    ~OpenFile() { ::close(descriptor); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int get() const { return descriptor; }

private:
    int descriptor;
};

PlainFileText failed(const std::string& problem) {
    return {{}, problem};
}

}  // namespace

PlainFileText readPlainFile(const std::string& path, std::size_t limit) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer; a plain file
    // reads alike either way.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return failed(std::string("cannot be read: ") + std::strerror(errno));
    }
    const OpenFile file(descriptor);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return failed(std::string("cannot be looked at: ") + std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return failed(std::string("is ") + kindOf(status.st_mode) + ", not a file to read");
    }
    const std::string tooLarge =
        "holds more than " + std::to_string(limit >> 20) + " MiB, far more than it should";
    if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        return failed(tooLarge);
    }
    PlainFileText result;
    // An array of known size, so that a hardened build checks each read against it.
    char buffer[1 << 16];
    // One byte beyond the limit tells a file that grew since it was looked at.
    while (result.text.size() <= limit) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return failed(std::string("cannot be read: ") + std::strerror(errno));
        }
        if (got == 0) {
            return result;
        }
        result.text.append(buffer, static_cast<std::size_t>(got));
    }
    return failed(tooLarge);
}
