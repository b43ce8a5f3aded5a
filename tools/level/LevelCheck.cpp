#include "LevelCheck.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TokenWalk.hpp"
#include "app/SilentServices.hpp"
#include "entities/ObjectCode.hpp"
#include "world/World.hpp"

namespace {

using Severity = Diagnostic::Severity;

const char* const kFillIn = "walls on the outer ring, street inside";

std::string plural(long count, const std::string& singular) {
    return std::to_string(count) + " " + singular + (count == 1 ? "" : "s");
}

bool isKnownCode(std::int32_t code) {
    return code >= Floor && code <= BuildMine;
}

bool onOuterRing(std::size_t index, std::uint32_t side) {
    const std::size_t column = index % side;
    const std::size_t row = index / side;
    return row == 0 || column == 0 || row + 1 == side || column + 1 == side;
}

// Gathers findings with the offsets they point at, and places them once the walk is done.
class Findings {
public:
    void add(Severity severity, std::size_t offset, std::string message) {
        found.push_back({offset, {severity, 0, 0, std::move(message)}});
    }

    // Sorted by place, each with its line and column from 1.
    std::vector<Diagnostic> inFileOrder(const std::string& text) {
        std::stable_sort(found.begin(), found.end(),
                         [](const Found& a, const Found& b) { return a.offset < b.offset; });
        std::vector<std::size_t> lineStarts{0};
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                lineStarts.push_back(i + 1);
            }
        }
        std::vector<Diagnostic> diagnostics;
        for (Found& entry : found) {
            const auto after = std::upper_bound(lineStarts.begin(), lineStarts.end(), entry.offset);
            const auto line = static_cast<std::size_t>(after - lineStarts.begin());
            entry.diagnostic.line = static_cast<int>(line);
            entry.diagnostic.column = static_cast<int>(entry.offset - lineStarts[line - 1] + 1);
            diagnostics.push_back(std::move(entry.diagnostic));
        }
        return diagnostics;
    }

private:
    struct Found {
        std::size_t offset;
        Diagnostic diagnostic;
    };
    std::vector<Found> found;
};

// A side the game reads no map at all for, said of the side as written in the file.
std::string negativeSide(const std::string& side) {
    return "the side " + side + " is negative";
}
std::string sideAboveLimit(const std::string& side) {
    return "the side " + side + " is above " + std::to_string(TileMap::kMaxSize) +
           ", the largest the game reads";
}
void addNoMap(Findings& findings, std::size_t at, const std::string& why) {
    findings.add(Severity::Error, at, why + "; the game reads no map from this file");
}

// The side length, or nothing when the game would read no usable map.
std::optional<std::uint32_t> checkSide(TokenWalk& walk, Findings& findings) {
    std::int64_t side = 0;
    if (!walk.read(side)) {
        // Digits too many for any number still say which way the side is wrong.
        const std::size_t at = walk.tokenStart();
        if (walk.atEnd()) {
            findings.add(Severity::Error, at,
                         "the file holds no side length; the game reads no map from it");
        } else if (walk.wordIsDigits()) {
            const bool negative = walk.word()[0] == '-';
            addNoMap(findings, at,
                     negative ? negativeSide(walk.word()) : sideAboveLimit(walk.word()));
        } else {
            addNoMap(findings, at,
                     "expected the side length, a whole number, but found '" + walk.word() + "'");
        }
        return std::nullopt;
    }
    const std::size_t at = walk.tokenStart();
    if (side < 0 || side > TileMap::kMaxSize) {
        const std::string written = std::to_string(side);
        addNoMap(findings, at, side < 0 ? negativeSide(written) : sideAboveLimit(written));
        return std::nullopt;
    }
    if (side < 3) {
        findings.add(Severity::Error, at,
                     "the side " + std::to_string(side) +
                         " is below 3: no cell is left inside the outer ring of walls");
        return std::nullopt;
    }
    if (side > LevelCheck::kLargestVisibleSide) {
        findings.add(Severity::Warning, at,
                     "a side of " + std::to_string(side) + " is more than " +
                         std::to_string(LevelCheck::kLargestVisibleSide) +
                         ": the map runs under the build menu and the timeline");
    }
    return static_cast<std::uint32_t>(side);
}

// Walks the codes as the game reads them and returns where each one that was read starts.
std::vector<std::size_t> checkCodes(TokenWalk& walk, std::uint32_t side, Findings& findings) {
    const std::size_t cellCount = static_cast<std::size_t>(side) * side;
    const std::string shape = std::to_string(side) + " x " + std::to_string(side);
    std::vector<std::size_t> offsets;
    std::int32_t code = 0;
    while (offsets.size() < cellCount && walk.read(code)) {
        offsets.push_back(walk.tokenStart());
        if (!isKnownCode(code)) {
            findings.add(
                Severity::Warning, walk.tokenStart(),
                "unknown cell code " + std::to_string(code) + "; the game treats it as street (0)");
        }
    }
    const std::size_t missing = cellCount - offsets.size();
    if (missing > 0 && walk.atEnd()) {
        findings.add(Severity::Error, walk.lastEnd(),
                     "only " + std::to_string(offsets.size()) + " of the " +
                         std::to_string(cellCount) + " cell codes of a " + shape +
                         " map; the game fills in the remaining " + std::to_string(missing) + " (" +
                         kFillIn + ")");
    } else if (missing > 0) {
        const std::string what =
            walk.wordIsDigits()
                ? "'" + walk.word() + "' is too large for a cell code"
                : "expected a cell code, a whole number, but found '" + walk.word() + "'";
        findings.add(Severity::Error, walk.tokenStart(),
                     what + "; the game stops reading here and fills in the remaining " +
                         std::to_string(missing) + " cells (" + kFillIn + ")");
    } else if (walk.nextToken() < walk.textSize()) {
        const std::size_t at = walk.tokenStart();
        const int extra = walk.wordsLeft();
        findings.add(Severity::Warning, at,
                     plural(extra, "value") + " beyond the " + std::to_string(cellCount) +
                         " cell codes of a " + shape + " map; the game ignores them");
    }
    return offsets;
}

void checkRing(const TileMap& map, const std::vector<std::size_t>& offsets, Findings& findings) {
    // Cells the game filled in are walls on the ring, so only codes from the file can break it.
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (onOuterRing(i, map.size) && map.cells[i] != Block) {
            findings.add(Severity::Error, offsets[i],
                         "code " + std::to_string(map.cells[i]) +
                             " on the outer ring, which must be all walls (1): creatures find "
                             "their way only inside it");
        }
    }
}

void countPopulation(const TileMap& map, LevelReport& report) {
    SilentWorldRenderer renderer;
    SilentSounds sounds;
    const World world(renderer, sounds, map);
    const WorldState& state = world.getState();
    report.zombies = static_cast<int>(state.zombies.size());
    report.humans = static_cast<int>(state.humans.size());
    report.turrets = static_cast<int>(state.turrets.size());
    report.barricades = static_cast<int>(state.barricades.size());
    report.mines = static_cast<int>(state.mines.size());
}

void checkPopulation(const LevelReport& report, std::size_t sideOffset, Findings& findings) {
    if (report.humans == 0) {
        findings.add(Severity::Warning, sideOffset,
                     "no human on the map: the game is lost at the first time point");
    }
    if (report.zombies == 0) {
        findings.add(Severity::Warning, sideOffset, "no zombie on the map: nothing ever happens");
    }
}

}  // namespace

int LevelReport::count(Diagnostic::Severity severity) const {
    return static_cast<int>(
        std::count_if(diagnostics.begin(), diagnostics.end(),
                      [severity](const Diagnostic& d) { return d.severity == severity; }));
}

LevelReport LevelCheck::checkFile(const std::string& path) {
    // A folder opens on Linux but reads as nothing, and the game then finds no map in it.
    std::error_code ignored;
    errno = std::filesystem::is_directory(path, ignored) ? EISDIR : 0;
    std::ifstream file;
    if (errno == 0) {
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        const int reason = errno != 0 ? errno : EIO;
        LevelReport report;
        report.diagnostics.push_back(
            {Severity::Error, 0, 0, "cannot read '" + path + "': " + std::strerror(reason)});
        return report;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return checkText(text.str());
}

LevelReport LevelCheck::checkText(const std::string& text) {
    LevelReport report;
    Findings findings;
    TokenWalk walk(text);
    const std::optional<std::uint32_t> side = checkSide(walk, findings);
    if (side) {
        const std::size_t sideOffset = walk.tokenStart();
        const std::vector<std::size_t> offsets = checkCodes(walk, *side, findings);
        // The grid comes from the game's own loader, never from the walk above.
        std::istringstream input(text);
        TileMap map;
        map.read(input);
        checkRing(map, offsets, findings);
        countPopulation(map, report);
        checkPopulation(report, sideOffset, findings);
        report.map = std::move(map);
    }
    report.diagnostics = findings.inFileOrder(text);
    return report;
}

std::string formatDiagnostic(const std::string& fileName, const Diagnostic& diagnostic) {
    std::string place = fileName + ":";
    if (diagnostic.line > 0) {
        place += std::to_string(diagnostic.line) + ":" + std::to_string(diagnostic.column) + ":";
    }
    const char* severity = diagnostic.severity == Severity::Error ? "error" : "warning";
    return place + " " + severity + ": " + diagnostic.message;
}

std::string formatSummary(const std::string& fileName, const LevelReport& report) {
    std::string summary = fileName + ": ";
    if (report.map) {
        const std::string side = std::to_string(report.map->size);
        summary += side + " x " + side + ", " + plural(report.zombies, "zombie") + ", " +
                   plural(report.humans, "human") + ", " + plural(report.turrets, "turret") + ", " +
                   plural(report.barricades, "barricade") + ", " + plural(report.mines, "mine");
    } else {
        summary += "no map";
    }
    const int errors = report.count(Severity::Error);
    const int warnings = report.count(Severity::Warning);
    summary += ": " + (errors == 0 ? std::string("no errors") : plural(errors, "error")) + ", " +
               (warnings == 0 ? std::string("no warnings") : plural(warnings, "warning"));
    return summary;
}
