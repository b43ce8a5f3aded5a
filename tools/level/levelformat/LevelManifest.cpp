#include "levelformat/LevelManifest.hpp"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "console/Printable.hpp"

namespace {

constexpr std::size_t kColumns = 7;

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos;
         tab = line.find('\t', start)) {
        columns.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    columns.push_back(line.substr(start));
    return columns;
}

bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A name is typed on command lines and completed by shells, so it holds nothing to quote.
bool isLevelName(const std::string& name) {
    return !name.empty() && isLower(name.front()) &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return isLower(c) || isDigit(c) || c == '-'; });
}

// The file is joined to the levels folder, so it must not lead out of it.
bool isPlainFileName(const std::string& file) {
    return !file.empty() && file.front() != '.' && file.find('/') == std::string::npos;
}

bool isMinutesAndSeconds(const std::string& text) {
    const std::size_t colon = text.find(':');
    return colon != std::string::npos && colon > 0 && text.size() == colon + 3 &&
           std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon), isDigit) &&
           text[colon + 1] >= '0' && text[colon + 1] <= '5' && isDigit(text[colon + 2]);
}

// Whole digits only: "+5", " 5" and "5.0" are not read as 5.
bool readDifficulty(const std::string& text, int& difficulty) {
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, difficulty);
    return !text.empty() && isDigit(text.front()) && error == std::errc() && stop == end &&
           difficulty <= 100;
}

// The reason the line's columns are not a level, or empty when they are.
std::string problemWith(const std::vector<std::string>& columns, LevelEntry& entry) {
    if (columns.size() != kColumns) {
        return std::to_string(columns.size()) +
               " tab-separated columns, expected 7: name, file, title, idea, difficulty, "
               "falls, openings";
    }
    entry = {columns[0], columns[1], columns[2], columns[3], 0, columns[5], columns[6]};
    if (!isLevelName(entry.name)) {
        return "the name '" + entry.name +
               "' is not a lowercase letter followed by lowercase letters, digits or '-'";
    }
    if (!isPlainFileName(entry.file)) {
        return "the file '" + entry.file + "' is not a file name inside the levels folder";
    }
    if (entry.title.empty()) {
        return "the level '" + entry.name + "' has no title";
    }
    if (!readDifficulty(columns[4], entry.difficulty)) {
        return "the difficulty '" + columns[4] + "' is not a whole number from 0 to 100";
    }
    // "held": more than half of the games with nobody building keep some humans to the end.
    if (!isMinutesAndSeconds(entry.falls) && entry.falls != "held") {
        return "the fall time '" + entry.falls + "' is neither minutes and seconds, m:ss, nor held";
    }
    return {};
}

}  // namespace

LevelManifest LevelManifest::readFile(const std::string& path) {
    std::ifstream input(path);
    if (!input) {
        throw ManifestError(path + ": error: cannot be read");
    }
    return read(input, path);
}

LevelManifest LevelManifest::read(std::istream& input, const std::string& fileName) {
    LevelManifest manifest;
    std::string line;
    for (int number = 1; std::getline(input, line); ++number) {
        // A manifest saved with DOS line ends reads as the same manifest.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        LevelEntry entry;
        std::string problem = problemWith(splitTabs(line), entry);
        entry.line = number;
        if (problem.empty() && manifest.find(entry.name) != nullptr) {
            problem = "the name '" + entry.name + "' is already taken by an earlier line";
        }
        if (!problem.empty()) {
            // Printable before it becomes what(), where a NUL in a name would end the message.
            throw ManifestError(fileName + ":" + std::to_string(number) +
                                ": error: " + printable(problem));
        }
        manifest.levels.push_back(std::move(entry));
    }
    if (input.bad()) {
        throw ManifestError(fileName + ": error: cannot be read");
    }
    if (manifest.levels.empty()) {
        throw ManifestError(fileName + ": error: names no level");
    }
    return manifest;
}

const LevelEntry* LevelManifest::find(const std::string& name) const {
    const auto found = std::find_if(levels.begin(), levels.end(), [&name](const LevelEntry& entry) {
        return entry.name == name;
    });
    return found == levels.end() ? nullptr : &*found;
}
