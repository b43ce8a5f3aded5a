#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>
#include <cstddef>
#include <optional>

// Where each level of the ladder sits in the chooser's window: one card per level, easiest at
// the top left, read down a column and then down the next, so the ladder reads in its order.
// Up to eight levels stand in one column; more share the window in columns of equal cards.
// It knows nothing of windows, so where a click lands can be tested without one.
class LadderLayout {
public:
    static constexpr float kMargin = 24.f;
    static constexpr float kHeader = 96.f;  // the game's name and what to do, above the cards
    static constexpr float kFooter = 40.f;  // a line for what went wrong, below them
    static constexpr float kGap = 12.f;
    static constexpr float kPadding = 6.f;
    static constexpr float kTallestCard = 110.f;
    static constexpr std::size_t kLevelsPerColumn = 8;

    LadderLayout(std::size_t levels, sf::Vector2f window);

    std::size_t columns() const { return columnCount; }
    // The whole card a click on chooses the level by.
    sf::FloatRect card(std::size_t level) const;
    // The square the level's picture is shown in, at the card's left.
    sf::FloatRect picture(std::size_t level) const;
    // The level whose card holds the point; none in the gaps and margins.
    std::optional<std::size_t> levelAt(sf::Vector2f point) const;

private:
    std::size_t levelCount;
    std::size_t columnCount;
    std::size_t rowCount;
    sf::Vector2f cardSize;
};
