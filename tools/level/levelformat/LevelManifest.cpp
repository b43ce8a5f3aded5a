#include "levelformat/LevelManifest.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "console/DiagnosticPrinter.hpp"
#include "console/Printable.hpp"
#include "console/SystemCalls.hpp"
#include "levelformat/LevelCheck.hpp"

namespace {

constexpr std::size_t kColumns = 7;
// Characters of a field that a message quotes, enough to find it in the line.
constexpr std::size_t kLongestQuote = 40;

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

// The file is joined to the levels folder, so it must not lead out of it, and it is copied,
// installed and handed to shells and the build, so it holds nothing any of them would quote,
// split or take for an option.
bool isPlainFileName(const std::string& file) {
    const auto plain = [](char c) {
        return isLower(c) || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '.' || c == '_' ||
               c == '-';
    };
    return !file.empty() && file.front() != '.' && file.front() != '-' &&
           std::all_of(file.begin(), file.end(), plain);
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

// A field as a message quotes it: whatever the file holds, one short printable line.
std::string quoted(const std::string& field) {
    return "'" + printable(field, kLongestQuote) + "'";
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
        return "the name " + quoted(entry.name) +
               " is not a lowercase letter followed by lowercase letters, digits or '-'";
    }
    if (!isPlainFileName(entry.file)) {
        return "the file " + quoted(entry.file) +
               " is not a plain file name inside the levels folder: letters, digits, '.', '_' "
               "and '-', not starting with '.' or '-'";
    }
    if (entry.title.empty()) {
        return "the level " + quoted(entry.name) + " has no title";
    }
    if (!readDifficulty(columns[4], entry.difficulty)) {
        return "the difficulty " + quoted(columns[4]) + " is not a whole number from 0 to 100";
    }
    // "held": more than half of the games with nobody building keep some humans to the end.
    if (!isMinutesAndSeconds(entry.falls) && entry.falls != "held") {
        return "the fall time " + quoted(entry.falls) +
               " is neither minutes and seconds, m:ss, nor held";
    }
    return {};
}

// Blank lines and comments are the maker's, for people: the ladder skips them and a writer
// keeps them.
bool isBlankOrComment(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos || line.front() == '#';
}

ManifestError wholeFile(const std::string& fileName, const std::string& message) {
    return ManifestError(fileName, {Diagnostic::Severity::Error, 0, 0, message});
}

}  // namespace

ManifestError::ManifestError(const std::string& file, Diagnostic diagnostic)
    : std::runtime_error(DiagnosticPrinter::format(file, diagnostic)),
      path(file),
      finding(std::move(diagnostic)) {}

LevelManifest LevelManifest::readFile(const std::string& path) {
    // A manifest is far smaller than a level; /dev/zero or an endless pipe must not fill the
    // memory before it is refused.
    std::string text;
    const int reason = readAtMost(path, LevelCheck::kLargestFile + 1, text);
    if (reason != 0) {
        throw wholeFile(path, std::string("cannot be read: ") + std::strerror(reason));
    }
    if (text.size() > LevelCheck::kLargestFile) {
        throw wholeFile(path, "holds more than " + std::to_string(LevelCheck::kLargestFile >> 20) +
                                  " MiB, the most a level file may hold; it is no manifest");
    }
    return read(std::move(text), path);
}

LevelManifest LevelManifest::read(std::string text, const std::string& fileName) {
    LevelManifest manifest;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        start = end + 1;
        // A manifest saved with DOS line ends reads as the same manifest.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (isBlankOrComment(line)) {
            continue;
        }
        LevelEntry entry;
        std::string problem = problemWith(splitTabs(line), entry);
        entry.line = number;
        if (problem.empty() && manifest.find(entry.name) != nullptr) {
            problem = "the name " + quoted(entry.name) + " is already taken by an earlier line";
        }
        if (!problem.empty()) {
            throw ManifestError(fileName, {Diagnostic::Severity::Error, number, 0, problem});
        }
        manifest.levels.push_back(std::move(entry));
    }
    if (manifest.levels.empty()) {
        throw wholeFile(fileName, "names no level");
    }
    manifest.bytes = std::move(text);
    return manifest;
}

const LevelEntry* LevelManifest::find(const std::string& name) const {
    const auto found = std::find_if(levels.begin(), levels.end(), [&name](const LevelEntry& entry) {
        return entry.name == name;
    });
    return found == levels.end() ? nullptr : &*found;
}
