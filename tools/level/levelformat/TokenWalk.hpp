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
        lastStart = start;
        end = input.eof() ? text.size() : static_cast<std::size_t>(input.tellg());
        return true;
    }

    bool atEnd() const { return start >= text.size(); }
    std::size_t textSize() const { return text.size(); }
    std::size_t tokenStart() const { return start; }
    // Just after the last token read: where "the end of the codes" is.
    std::size_t lastEnd() const { return end; }
    // Whether the last number read was only the start of its word, as "2" of "2x", so that the
    // reading stops at the rest, in the next token.
    bool lastReadPartly() const { return end < text.size() && !isSpace(text[end]); }
    // The whole word the last number was read from, and what was left of it.
    std::string lastWord() const { return wordAt(lastStart); }
    std::string lastRest() const { return wordAt(end); }

    // The white-space separated word at the start of the current token.
    std::string word() const { return wordAt(start); }

    // Whether the current word is written as a whole number, however large.
    bool wordIsDigits() const {
        const std::string w = word();
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
    static bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

    std::string wordAt(std::size_t at) const {
        const auto first = text.begin() + static_cast<std::ptrdiff_t>(std::min(at, text.size()));
        return std::string(first, std::find_if(first, text.end(), isSpace));
    }

    const std::string& text;
    std::istringstream input;
    std::size_t start = 0;
    std::size_t lastStart = 0;
    std::size_t end = 0;
};
