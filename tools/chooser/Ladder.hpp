#pragma once

#include <SFML/Graphics/Image.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "levelformat/LevelManifest.hpp"

// A level of the ladder as the chooser offers it: its line of the manifest and its picture.
struct LadderLevel {
    LevelEntry entry;
    sf::Image picture;
};

// A file of the ladder that cannot be used; what() is "FILE[:LINE[:COLUMN]]: error: MESSAGE".
class LadderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bundled levels, read and painted before any window opens, so that a broken installation
// is told in one line on the terminal rather than found by a player halfway down the list.
class Ladder {
public:
    // dataFolder holds assets/ and levels/levels.tsv. Throws LadderError on the first manifest
    // line or level file that cannot be used.
    static Ladder load(const std::string& dataFolder);

    const std::vector<LadderLevel>& levels() const { return rungs; }

private:
    std::vector<LadderLevel> rungs;
};
