#pragma once

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>

// Walks the level text with the same stream extractions as the game's loader, noting where
// each token starts, so that every finding points at what the game actually stumbles on.
class TokenWalk {
public:
    explicit TokenWalk(const std::string& text) : text(text), input(text) {}

    // Skips white space as an extraction does and returns where the next token starts.
    std::size_t nextToken() {
        input >> std::ws;
        start = input.eof() ? text.size() : static_cast<std::size_t>(input.tellg());
        return start;
    }

    template <typename Number>
    bool read(Number& value) {
        nextToken();
        if (!(input >> value)) {
            return false;
        }
        end = input.eof() ? text.size() : static_cast<std::size_t>(input.tellg());
        return true;
    }

    bool atEnd() const { return start >= text.size(); }
    std::size_t textSize() const { return text.size(); }
    std::size_t tokenStart() const { return start; }
    // Just after the last token read: where "the end of the codes" is.
    std::size_t lastEnd() const { return end; }

    // The white-space separated word at the start of the current token, shortened for messages.
    std::string word() const {
        const std::string found = wholeWord();
        constexpr std::size_t kLongest = 20;
        return found.size() > kLongest ? found.substr(0, kLongest) + "..." : found;
    }

    // Whether the current word is written as a whole number, however large.
    bool wordIsDigits() const {
        const std::string w = wholeWord();
        const std::size_t first = !w.empty() && (w[0] == '+' || w[0] == '-') ? 1 : 0;
        return w.size() > first &&
               std::all_of(w.begin() + static_cast<std::ptrdiff_t>(first), w.end(),
                           [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    }

    // The white-space separated words left after the current position.
    int wordsLeft() {
        std::string rest;
        int words = 0;
        while (input >> rest) {
            ++words;
        }
        return words;
    }

private:
    std::string wholeWord() const {
        const auto first = text.begin() + static_cast<std::ptrdiff_t>(start);
        const auto space = std::find_if(first, text.end(), [](char c) {
            return std::isspace(static_cast<unsigned char>(c)) != 0;
        });
        return std::string(first, space);
    }

    const std::string& text;
    std::istringstream input;
    std::size_t start = 0;
    std::size_t end = 0;
};
