#pragma once

#include <optional>
#include <string>
#include <vector>

#include "console/Diagnostic.hpp"
#include "world/TileMap.hpp"

// What a level file gives the game, and what a level maker should know about it.
struct LevelReport {
    std::vector<Diagnostic> diagnostics;  // in the order of the file
    // The grid exactly as the game reads it; none when the game would find no map at all.
    std::optional<TileMap> map;
    int zombies = 0;
    int humans = 0;
    int turrets = 0;
    int barricades = 0;
    int mines = 0;

    int count(Diagnostic::Severity severity) const;
    bool hasErrors() const { return count(Diagnostic::Severity::Error) > 0; }
    // "22 x 22, 3 zombies, ...: no errors, 1 warning"
    std::string summary() const;
};

// Reads a level file the way the game reads it and says where it goes wrong. The game's own
// loader builds the grid and the game's own World places the creatures and buildings; this
// class only walks the same stream beside them to know where each token stands.
class LevelCheck {
public:
    static LevelReport checkFile(const std::string& path);
    static LevelReport checkText(const std::string& text);

    // The smallest side a level may have: with less, the outer ring of walls leaves no cell
    // inside. The Tiled extension holds the same number, and its test holds it to this one.
    static constexpr std::uint32_t kSmallestSide = 3;
    // The largest side that fits the window above the timeline and left of the build menu.
    static constexpr std::uint32_t kLargestVisibleSide = 23;
    // A level of the largest side, written as widely as anyone would, takes a few MB. A file
    // far beyond that is no level, and /dev/zero or an endless pipe must not fill the memory.
    static constexpr std::size_t kLargestFile = std::size_t(64) << 20;
};
