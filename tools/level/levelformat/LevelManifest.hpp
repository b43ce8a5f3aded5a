#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

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

// A manifest line the reader refuses; what() is "FILE:LINE: error: MESSAGE".
class ManifestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The ladder of bundled levels, easiest first, read from levels/levels.tsv: one level per line,
// seven tab-separated columns, '#' comments and blank lines skipped. Every program that offers
// the ladder reads it here, so a player meets the same names and order everywhere, and a line
// that would be read two ways is refused rather than guessed at.
class LevelManifest {
public:
    // Throw ManifestError on the first line that is not a well-formed level, when no line
    // names a level, or when the file cannot be read; fileName is the name the messages give.
    static LevelManifest readFile(const std::string& path);
    static LevelManifest read(std::istream& input, const std::string& fileName);

    const std::vector<LevelEntry>& entries() const { return levels; }
    // The level of that name, or nullptr.
    const LevelEntry* find(const std::string& name) const;

private:
    std::vector<LevelEntry> levels;
};
