#include "levelformat/ManifestWriter.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "levelformat/LevelCheck.hpp"

namespace {

const char* const kChanged = "changed while it was measured; run again";

ManifestError failure(const std::string& path, const std::string& message) {
    return ManifestError(path, {Diagnostic::Severity::Error, 0, 0, message});
}

std::string reason() {
    return std::strerror(errno);
}

// The new manifest beside the old one, so that the rename is one step on one file system;
// removed again unless it took the old one's place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& beside)
        : name((beside.parent_path() / ("." + beside.filename().string() + ".XXXXXX")).string()) {
        fd = ::mkostemp(name.data(), O_CLOEXEC);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd >= 0) {
            ::close(fd);
        }
        if (!renamed) {
            ::unlink(name.c_str());
        }
    }

    bool opened() const { return fd >= 0; }
    int descriptor() const { return fd; }
    bool close() {
        const int status = ::close(fd);
        fd = -1;
        return status == 0;
    }
    bool renameTo(const std::string& target) {
        renamed = ::rename(name.c_str(), target.c_str()) == 0;
        return renamed;
    }

private:
    std::string name;
    int fd = -1;
    bool renamed = false;
};

// Whether the file at target holds exactly these bytes, as a plain file.
bool holds(const std::string& target, const std::string& bytes) {
    struct stat status {};
    std::string now;
    return ::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           readAtMost(target, LevelCheck::kLargestFile + 1, now) == 0 && now == bytes;
}

// Where each line of text starts, and one more entry: where the text ends.
std::vector<std::size_t> lineStarts(const std::string& text) {
    std::vector<std::size_t> starts{0};
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        starts.push_back(at + 1);
    }
    if (starts.back() != text.size()) {
        starts.push_back(text.size());
    }
    return starts;
}

}  // namespace

std::string ManifestWriter::target() const {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::canonical(path, error);
    if (error) {
        throw failure(path, "cannot be replaced: " + error.message());
    }
    return file.string();
}

void ManifestWriter::requireWritable() const {
    const std::string file = target();
    const std::string folder = std::filesystem::path(file).parent_path().string();
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        throw failure(path, "is not a plain file, so it cannot be replaced");
    }
    if (::access(file.c_str(), W_OK) != 0) {
        throw failure(path, "cannot be written: " + reason());
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        throw failure(path, "cannot be replaced, since its folder " + folder +
                                " cannot be written: " + reason());
    }
}

std::string ManifestWriter::withFigures(const LevelManifest& manifest,
                                        const std::vector<LevelFigures>& figures) {
    const std::vector<LevelEntry>& entries = manifest.entries();
    if (figures.size() != entries.size()) {
        throw std::invalid_argument("the figures of " + std::to_string(figures.size()) +
                                    " levels for a manifest of " + std::to_string(entries.size()));
    }
    std::string text = manifest.text();
    const std::vector<std::size_t> starts = lineStarts(text);
    // From the last line up, so that the lines still to do keep their places.
    for (std::size_t i = entries.size(); i-- > 0;) {
        const std::size_t line = static_cast<std::size_t>(entries[i].line) - 1;
        std::size_t end = starts[line + 1];
        end -= end > starts[line] && text[end - 1] == '\n' ? 1 : 0;
        end -= end > starts[line] && text[end - 1] == '\r' ? 1 : 0;
        // The reader took the line as seven columns: the figures follow the fourth tab.
        std::size_t cut = starts[line];
        for (int tab = 0; tab < 4; ++tab) {
            cut = text.find('\t', cut) + 1;
        }
        text.replace(cut, end - cut,
                     std::to_string(figures[i].difficulty) + '\t' + figures[i].falls + '\t' +
                         figures[i].openings);
    }
    return text;
}

void ManifestWriter::replace(const LevelManifest& manifest, const std::string& text) const {
    // What is written must read back as a ladder: no program is ever left a line it refuses.
    LevelManifest::read(text, path);
    std::error_code gone;
    const std::string file = std::filesystem::canonical(path, gone).string();
    struct stat status {};
    if (gone || ::stat(file.c_str(), &status) != 0) {
        throw failure(path, kChanged);
    }
    TemporaryFile replacement(file);
    if (!replacement.opened()) {
        throw failure(path, "cannot be replaced: no new file beside it: " + reason());
    }
    if (!writeAll(replacement.descriptor(), text) ||
        ::fchmod(replacement.descriptor(), status.st_mode & 07777) != 0 ||
        ::fsync(replacement.descriptor()) != 0 || !replacement.close()) {
        throw failure(path, "cannot be written: " + reason() + "; it is left as it was");
    }
    // As late as can be, so that an edit made while the figures were measured is never lost.
    if (!holds(file, manifest.text())) {
        throw failure(path, kChanged);
    }
    if (!replacement.renameTo(file)) {
        throw failure(path, "cannot be replaced: " + reason() + "; it is left as it was");
    }
}
