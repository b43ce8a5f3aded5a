#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console/SystemCalls.hpp"
#include "levelformat/LevelManifest.hpp"

// The figures the ladder measures for a level: the last three columns of its line.
struct LevelFigures {
    int difficulty = 0;
    std::string falls;
    std::string openings;
};

// Puts new figures into a manifest without ever leaving it half written or writing over an
// edit made meanwhile. The new text goes to a temporary file beside the manifest, is flushed to
// the disk, and is renamed over the old file only when that still holds what was read; a full
// disk or a changed file leaves the manifest as it is. Comments, blank lines, line ends, the
// other columns and the file's permissions are kept.
class ManifestWriter {
public:
    // The call that writes all of the bytes, replaceable so that a test can fill the disk.
    using WriteAll = bool (*)(int fd, std::string_view bytes);

    // path is the manifest as the user named it; the file it links to is the one replaced.
    explicit ManifestWriter(std::string path, WriteAll writeAll = ::writeAll)
        : path(std::move(path)), writeAll(writeAll) {}

    // Throws ManifestError when the manifest could not be replaced: it is not a plain file, or
    // it or its folder cannot be written. Asked before any work whose result would be lost.
    void requireWritable() const;
    // The manifest's text with the figures of each level, in the order of its entries, in place
    // of the ones it gives; every other byte as it was.
    static std::string withFigures(const LevelManifest& manifest,
                                   const std::vector<LevelFigures>& figures);
    // Replaces the manifest with text when the file still holds the bytes that manifest was
    // read from. Throws ManifestError, with the file left as it was, when it does not, when
    // text is no manifest, or when writing fails.
    void replace(const LevelManifest& manifest, const std::string& text) const;

private:
    std::string target() const;

    std::string path;
    WriteAll writeAll;
};
