#include "levelformat/LevelCheck.hpp"

#include <algorithm>
#include <sstream>

#include "app/SilentServices.hpp"
#include "console/Printable.hpp"
#include "console/SystemCalls.hpp"
#include "entities/ObjectCode.hpp"
#include "levelformat/TokenWalk.hpp"
#include "world/World.hpp"

namespace {

using Severity = Diagnostic::Severity;

const char* const kFillIn = "walls on the outer ring, street inside";
// Characters of a word from the file that a message shows, enough to find it in the line.
constexpr std::size_t kLongestWord = 20;

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

// A word of the file in a message: quoted, printable, not too long, and a byte order mark at
// its start named as what it is, for a word that starts with one looks like the word alone.
std::string quoted(const std::string& word) {
    const std::string mark = "\xEF\xBB\xBF";
    if (word.rfind(mark, 0) != 0) {
        return "'" + printable(word, kLongestWord) + "'";
    }
    const std::string rest = word.substr(mark.size());
    return "a UTF-8 byte order mark, which the game does not skip" +
           (rest.empty() ? std::string() : ", before '" + printable(rest, kLongestWord) + "'");
}

// "the side is read as 1 from '1e9'; the rest, 'e9', stops the reading"
std::string readPartly(const TokenWalk& walk, const std::string& what, std::int64_t value) {
    return "the " + what + " is read as " + std::to_string(value) + " from " +
           quoted(walk.lastWord()) + "; the rest, " + quoted(walk.lastRest()) +
           ", stops the reading";
}

// Whether the game goes on reading the rest of a word as the next number, as "-3" in "1-3".
bool restReadsOn(const TokenWalk& walk) {
    std::istringstream rest(walk.lastRest());
    std::int64_t next = 0;
    return static_cast<bool>(rest >> next);
}

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

// What is wrong with a side that was read as a number, or nothing.
std::optional<std::string> sideProblem(std::int64_t side) {
    const std::string written = std::to_string(side);
    if (side < 0) {
        return negativeSide(written) + "; the game reads no map from this file";
    }
    if (side > TileMap::kMaxSize) {
        return sideAboveLimit(written) + "; the game reads no map from this file";
    }
    if (side < LevelCheck::kSmallestSide) {
        return "the side " + written + " is below " + std::to_string(LevelCheck::kSmallestSide) +
               ": no cell is left inside the outer ring of walls";
    }
    return std::nullopt;
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
            const std::string written = printable(walk.word(), kLongestWord);
            addNoMap(findings, at, negative ? negativeSide(written) : sideAboveLimit(written));
        } else {
            addNoMap(findings, at,
                     "expected the side length, a whole number, but found " + quoted(walk.word()));
        }
        return std::nullopt;
    }
    const std::size_t at = walk.tokenStart();
    if (const std::optional<std::string> problem = sideProblem(side)) {
        // A side read from the start of a longer word is told as such, or "1e9" would be
        // reported as a side of 1 with no word of why.
        const std::string partly = walk.lastReadPartly() && !restReadsOn(walk)
                                       ? readPartly(walk, "side", side) + "; "
                                       : "";
        findings.add(Severity::Error, at, partly + *problem);
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
    std::int32_t lastCode = 0;
    while (offsets.size() < cellCount && walk.read(code)) {
        lastCode = code;
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
        const std::string fillIn =
            "fills in the remaining " + std::to_string(missing) + " cells (" + kFillIn + ")";
        std::string what;
        if (walk.lastReadPartly()) {
            what = (offsets.empty() ? readPartly(walk, "side", side)
                                    : readPartly(walk, "cell code", lastCode)) +
                   ", and the game " + fillIn;
        } else if (walk.wordIsDigits()) {
            what = quoted(walk.word()) +
                   " is too large for a cell code; the game stops reading "
                   "here and " +
                   fillIn;
        } else {
            what = "expected a cell code, a whole number, but found " + quoted(walk.word()) +
                   "; the game stops reading here and " + fillIn;
        }
        findings.add(Severity::Error, walk.tokenStart(), what);
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

LevelReport noLevel(const std::string& why) {
    LevelReport report;
    report.diagnostics.push_back({Severity::Error, 0, 0, why});
    return report;
}

}  // namespace

int LevelReport::count(Diagnostic::Severity severity) const {
    return static_cast<int>(
        std::count_if(diagnostics.begin(), diagnostics.end(),
                      [severity](const Diagnostic& d) { return d.severity == severity; }));
}

LevelReport LevelCheck::checkFile(const std::string& path) {
    std::string text;
    const int reason = readAtMost(path, kLargestFile + 1, text);
    if (reason != 0) {
        return noLevel("cannot read '" + path + "': " + whyNot(path, reason));
    }
    if (text.size() > kLargestFile) {
        return noLevel("the file holds more than " + std::to_string(kLargestFile >> 20) +
                       " MiB, far more than a level of the largest side takes; it is not read as "
                       "a level");
    }
    return checkText(text);
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

std::string LevelReport::summary() const {
    std::string summary;
    if (map) {
        const std::string side = std::to_string(map->size);
        summary += side + " x " + side + ", " + plural(zombies, "zombie") + ", " +
                   plural(humans, "human") + ", " + plural(turrets, "turret") + ", " +
                   plural(barricades, "barricade") + ", " + plural(mines, "mine");
    } else {
        summary += "no map";
    }
    const int errors = count(Severity::Error);
    const int warnings = count(Severity::Warning);
    summary += ": " + (errors == 0 ? std::string("no errors") : plural(errors, "error")) + ", " +
               (warnings == 0 ? std::string("no warnings") : plural(warnings, "warning"));
    return summary;
}
