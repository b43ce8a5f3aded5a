#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "console/Diagnostic.hpp"

// One rung of the ladder of bundled levels, as its line in the manifest gives it.
struct LevelEntry {
    std::string name;  // what a player types: zembrook NAME
    std::string file;  // the level file, inside the levels folder
    std::string title;
    std::string idea;
    int difficulty = 0;    // 0..100
    std::string falls;     // m:ss, when the town falls if nobody builds, or "held"
    std::string openings;  // "2 of 837": the single first moves that hold every seed
    int line = 0;          // where it stands in the manifest, from 1
};

// What is wrong with a manifest, or with writing one: the file as the user named it and a
// finding on the line it is about (line 0: the file as a whole), for the diagnostic printer to
// show with one prefix. what() is the same as one line, as the printer formats it.
class ManifestError : public std::runtime_error {
public:
    ManifestError(const std::string& file, Diagnostic diagnostic);

    const std::string& file() const { return path; }
    const Diagnostic& diagnostic() const { return finding; }

private:
    std::string path;
    Diagnostic finding;
};

// The ladder of bundled levels, easiest first, read from levels/levels.tsv: one level per line,
// seven tab-separated columns, '#' comments and blank lines skipped, DOS line ends read as
// plain ones. Every program that offers the ladder reads it here, the launcher and the build
// through `zembrook-level manifest`, so a player meets the same names and order everywhere,
// and a line that would be read two ways is refused rather than guessed at.
class LevelManifest {
public:
    // Throw ManifestError on the first line that is not a well-formed level, when no line
    // names a level, or when the file cannot be read or is larger than a level file may be;
    // fileName is the name the messages give.
    static LevelManifest readFile(const std::string& path);
    static LevelManifest read(std::string text, const std::string& fileName);

    const std::vector<LevelEntry>& entries() const { return levels; }
    // The level of that name, or nullptr.
    const LevelEntry* find(const std::string& name) const;
    // The bytes it was read from, for a writer that must keep every one it does not change.
    const std::string& text() const { return bytes; }

private:
    std::vector<LevelEntry> levels;
    std::string bytes;
};
