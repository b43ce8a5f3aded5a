#include "LadderLayout.hpp"

#include <algorithm>

LadderLayout::LadderLayout(std::size_t levels, sf::Vector2f window)
    : levelCount(levels),
      columnCount(std::max<std::size_t>(1, (levels + kLevelsPerColumn - 1) / kLevelsPerColumn)),
      rowCount(std::max<std::size_t>(1, (levels + columnCount - 1) / columnCount)) {
    const auto columns = static_cast<float>(columnCount);
    const auto rows = static_cast<float>(rowCount);
    const float width = window.x - 2.f * kMargin;
    const float height = window.y - kHeader - kFooter;
    cardSize.x = (width - kGap * (columns - 1.f)) / columns;
    cardSize.y = std::min(kTallestCard, (height - kGap * (rows - 1.f)) / rows);
}

sf::FloatRect LadderLayout::card(std::size_t level) const {
    const auto column = static_cast<float>(level / rowCount);
    const auto row = static_cast<float>(level % rowCount);
    return {kMargin + column * (cardSize.x + kGap), kHeader + row * (cardSize.y + kGap), cardSize.x,
            cardSize.y};
}

sf::FloatRect LadderLayout::picture(std::size_t level) const {
    const sf::FloatRect whole = card(level);
    const float side = whole.height - 2.f * kPadding;
    return {whole.left + kPadding, whole.top + kPadding, side, side};
}

std::optional<std::size_t> LadderLayout::levelAt(sf::Vector2f point) const {
    for (std::size_t level = 0; level < levelCount; ++level) {
        // Half-open, so that a point on the edge between two cards belongs to one of them.
        const sf::FloatRect box = card(level);
        if (point.x >= box.left && point.x < box.left + box.width && point.y >= box.top &&
            point.y < box.top + box.height) {
            return level;
        }
    }
    return std::nullopt;
}
