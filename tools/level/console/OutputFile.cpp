#include "console/OutputFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "console/SystemCalls.hpp"

OutputFile::OutputFile(std::string what, std::string word, std::vector<Input> inputs)
    : what(std::move(what)), word(std::move(word)), inputs(std::move(inputs)) {
    judge();
}

std::string OutputFile::name() const {
    return isStandardOutput() ? "standard output" : "'" + word + "'";
}

int OutputFile::open() const {
    if (isStandardOutput()) {
        judge();
        return STDOUT_FILENO;
    }
    // Not emptied on opening: that waits until it is known not to be an input.
    const int fd = ::open(word.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        return fd;
    }
    try {
        refuseIfAnInput(status);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (S_ISREG(status.st_mode) && ::ftruncate(fd, 0) != 0) {
        const int reason = errno;
        ::close(fd);
        errno = reason;
        return -1;
    }
    return fd;
}

void OutputFile::judge() const {
    struct stat status {};
    if (isStandardOutput()) {
        if (::isatty(STDOUT_FILENO) != 0) {
            throw std::runtime_error(what +
                                     " would go to standard output, which is a terminal; "
                                     "redirect it to a file or a pipe, or name a file");
        }
        if (::fstat(STDOUT_FILENO, &status) == 0) {
            refuseIfAnInput(status);
        }
        return;
    }
    const auto cannot = [this](const std::string& why) {
        return std::runtime_error("cannot write " + what + " " + name() + ": " + why);
    };
    if (::stat(word.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            throw cannot("it is a folder");
        }
        refuseIfAnInput(status);
        return;
    }
    const int reason = errno;
    if (reason != ENOENT) {
        throw cannot(whyNot(word, reason));
    }
    // It is made when written; the folder it goes in has to be there already.
    const std::filesystem::path folder = std::filesystem::path(word).parent_path();
    if (!folder.empty() && ::stat(folder.c_str(), &status) != 0) {
        throw cannot("the folder '" + folder.string() + "': " + whyNot(folder.string(), errno));
    }
}

void OutputFile::refuseIfAnInput(const struct stat& output) const {
    // Only a file can be destroyed by writing; a device or a pipe named twice is left to work.
    if (!S_ISREG(output.st_mode)) {
        return;
    }
    for (const Input& input : inputs) {
        struct stat status {};
        if (::stat(input.path.c_str(), &status) == 0 && status.st_dev == output.st_dev &&
            status.st_ino == output.st_ino) {
            const std::string output = isStandardOutput()
                                           ? what + " would go to standard output, which is"
                                           : what + " " + name() + " is";
            throw std::runtime_error(output + " the same file as " + input.what + " '" +
                                     input.path + "'; writing it would destroy " + input.what +
                                     ", so nothing was written");
        }
    }
}
