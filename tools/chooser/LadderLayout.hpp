#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstddef>
#include <optional>

// Where a card's lines stand and how large their letters are, so that every line stays inside
// its card however many cards share the window.
struct CardText {
    sf::Vector2f title;  // the top left of each line
    sf::Vector2f idea;
    sf::Vector2f name;
    float width = 0.f;  // room for each line, left of the difficulty
    unsigned titleSize = 0;
    unsigned lineSize = 0;  // of the idea and the name
    float difficultyMiddle = 0.f;
    float figureTop = 0.f;
    unsigned figureSize = 0;
    float labelTop = 0.f;
    unsigned labelSize = 0;
    unsigned watchSize = 0;  // of the word on the watch button
};

// What a click on a card asks for: its level played, or watched as the strongest reference
// player plays it.
enum class CardAction { Play, Watch };

struct CardChoice {
    std::size_t level = 0;
    CardAction action = CardAction::Play;

    bool operator==(const CardChoice& other) const {
        return level == other.level && action == other.action;
    }
};

// Where each level of the ladder sits in the chooser's window: one card per level, easiest at
// the top left, read down a column and then down the next, so the ladder reads in its order.
// Up to eight levels stand in one column; more share the window in columns of equal cards.
// A ladder that cannot fit in cards wide and tall enough to read becomes one column that
// scrolls, still read downward, between the header and the footer.
// It knows nothing of windows, so where a click lands can be tested without one. Places are in
// ladder coordinates: the window's, as long as the ladder is not scrolled.
class LadderLayout {
public:
    static constexpr float kMargin = 24.f;
    static constexpr float kHeader = 96.f;  // the game's name and what to do, above the cards
    static constexpr float kFooter = 40.f;  // a line for what went wrong, below them
    static constexpr float kGap = 12.f;
    static constexpr float kPadding = 6.f;
    static constexpr float kTallestCard = 110.f;
    // Three lines of letters still large enough to read.
    static constexpr float kShortestCard = 64.f;
    // Room for a picture, a few words of title and the difficulty.
    static constexpr float kNarrowestCard = 300.f;
    static constexpr float kDifficultyWidth = 96.f;  // at the card's right
    static constexpr std::size_t kLevelsPerColumn = 8;
    // The side of the largest picture a card shows, which the pictures are painted at.
    static constexpr unsigned kLargestPicture =
        static_cast<unsigned>(kTallestCard - 2.f * kPadding);
    // A line's height for the size of its letters, the tails of g and y included.
    static constexpr float kLineHeight = 1.3f;

    LadderLayout(std::size_t levels, sf::Vector2f window);

    std::size_t columns() const { return columnCount; }
    // The whole card a click on chooses the level by.
    sf::FloatRect card(std::size_t level) const;
    // The square the level's picture is shown in, at the card's left.
    sf::FloatRect picture(std::size_t level) const;
    CardText text(std::size_t level) const;
    // The button at the card's lower right, under the difficulty, that watches the level
    // played rather than playing it.
    sf::FloatRect watchButton(std::size_t level) const;
    // The level whose card holds the point; none in the gaps and margins.
    std::optional<std::size_t> levelAt(sf::Vector2f point) const;
    // The level to watch when the point is on its watch button, else to play when it is on
    // its card; none in the gaps and margins.
    std::optional<CardChoice> choiceAt(sf::Vector2f point) const;

    // The part of the window the cards are seen in, between the header and the footer.
    sf::FloatRect band() const;
    // How far down the ladder can be scrolled: 0 when every card fits in the band.
    float scrollLimit() const;
    // A scroll by one row of cards, and by a band full of them, keeping rows whole.
    float rowStep() const { return cardSize.y + kGap; }
    float pageStep() const;

private:
    std::size_t levelCount;
    sf::Vector2f windowSize;
    std::size_t columnCount = 1;
    std::size_t rowCount = 1;
    sf::Vector2f cardSize;
};
