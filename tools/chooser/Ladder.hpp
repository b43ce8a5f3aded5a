#pragma once

#include <SFML/Graphics/Image.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/Diagnostic.hpp"
#include "levelformat/LevelManifest.hpp"

// A level of the ladder as the chooser offers it: its line of the manifest and its picture.
struct LadderLevel {
    LevelEntry entry;
    sf::Image picture;
};

// What the chooser says about a file of the ladder: the file and a finding about it.
struct LadderFinding {
    std::string file;
    Diagnostic diagnostic;
};

// A file of the ladder that keeps the whole ladder from being shown.
class LadderError : public std::runtime_error {
public:
    explicit LadderError(LadderFinding finding);

    const LadderFinding& finding() const { return found; }

private:
    LadderFinding found;
};

// The bundled levels, read and painted before any window opens, so that a broken installation
// is told in one line on the terminal rather than found by a player halfway down the list. A
// level file that is no plain file, such as a FIFO or a device, is never read: it is left out
// with a warning, and the other levels are offered.
class Ladder {
public:
    // dataFolder holds assets/ and levels/levels.tsv; the pictures are painted pictureSide
    // pixels a side. Throws ManifestError on a manifest line that is not a level, and
    // LadderError when the manifest cannot be read, on the first level with errors, and when
    // no level is left.
    static Ladder load(const std::string& dataFolder, unsigned pictureSide);

    const std::vector<LadderLevel>& levels() const { return rungs; }
    // The levels left out, each with a warning saying why.
    const std::vector<LadderFinding>& leftOut() const { return skipped; }

private:
    std::vector<LadderLevel> rungs;
    std::vector<LadderFinding> skipped;
};
