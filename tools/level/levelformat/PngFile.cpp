#include "levelformat/PngFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "console/OutputFile.hpp"
#include "console/SystemCalls.hpp"

namespace {

// A folder of this program's own under the system's temporary folder, gone with everything in
// it when the picture is written or has failed.
class PrivateFolder {
public:
    PrivateFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zembrook-level.XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw systemError("cannot make a temporary folder in " + pattern);
        }
        path = pattern;
    }
    ~PrivateFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    std::filesystem::path path;
};

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    // Closes now, for a failure to be seen: some file systems only report it here.
    bool close() {
        const int result = ::close(fd);
        fd = -1;
        return result == 0;
    }

    int fd;
};

// Every PNG file ends with this empty IEND chunk; a file cut short on a full disk does not.
const unsigned char kEnd[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};

void checkWhole(const std::string& file) {
    const Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    unsigned char tail[sizeof kEnd] = {};
    struct stat status {};
    if (in.fd < 0 || ::fstat(in.fd, &status) != 0 || status.st_size < off_t(sizeof kEnd) ||
        ::pread(in.fd, tail, sizeof tail, status.st_size - off_t(sizeof kEnd)) !=
            ssize_t(sizeof tail) ||
        std::memcmp(tail, kEnd, sizeof kEnd) != 0) {
        throw std::runtime_error("the picture came out cut short in " + file +
                                 " (is the temporary folder's disk full?)");
    }
}

// Copies the whole file to the output; returns 0 when every byte arrived, or why not.
int copy(const std::string& from, const OutputFile& to) {
    Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) {
        return errno;
    }
    const int fd = to.open();
    if (fd < 0) {
        return errno;
    }
    // Standard output stays open for whatever else is written to it.
    Descriptor out(to.isStandardOutput() ? -1 : fd);
    std::vector<char> buffer(std::size_t(1) << 16);
    for (;;) {
        const ssize_t got = ::read(in.fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 || (got > 0 && !writeAll(fd, {buffer.data(), std::size_t(got)}))) {
            return errno;
        }
        if (got == 0) {
            return to.isStandardOutput() || out.close() ? 0 : errno;
        }
    }
}

}  // namespace

void writePng(const sf::Image& image, const OutputFile& output) {
    const PrivateFolder folder;
    const std::string encoded = (folder.path / "picture.png").string();
    if (!image.saveToFile(encoded)) {
        throw std::runtime_error("cannot encode the picture in " + encoded);
    }
    checkWhole(encoded);
    if (const int reason = copy(encoded, output)) {
        const std::runtime_error failure("cannot write " + output.name() + ": " +
                                         whyNot(output.path(), reason));
        // A picture cut short would pass for one; a device or a pipe is left alone.
        struct stat status {};
        if (!output.isStandardOutput() && ::lstat(output.path().c_str(), &status) == 0 &&
            S_ISREG(status.st_mode)) {
            ::unlink(output.path().c_str());
        }
        throw failure;
    }
}
