#include "LadderLayout.hpp"

#include <algorithm>
#include <cmath>

namespace {

std::size_t upwardQuotient(std::size_t dividend, std::size_t divisor) {
    return (dividend + divisor - 1) / divisor;
}

// The side of `count` equal parts of `length` with a gap between each two.
float share(float length, std::size_t count) {
    const auto parts = static_cast<float>(count);
    return (length - LadderLayout::kGap * (parts - 1.f)) / parts;
}

}  // namespace

LadderLayout::LadderLayout(std::size_t levels, sf::Vector2f window)
    : levelCount(levels), windowSize(window) {
    const std::size_t counted = std::max<std::size_t>(1, levels);
    const float width = window.x - 2.f * kMargin;
    const float height = band().height;
    const auto fitting = static_cast<std::size_t>(
        std::max(1.f, std::floor((width + kGap) / (kNarrowestCard + kGap))));
    columnCount = std::min(upwardQuotient(counted, kLevelsPerColumn), fitting);
    rowCount = upwardQuotient(counted, columnCount);
    if (share(height, rowCount) < kShortestCard) {
        // Too many to read side by side: one long column, which scrolls.
        columnCount = 1;
        rowCount = counted;
    }
    cardSize.x = share(width, columnCount);
    cardSize.y = std::clamp(share(height, rowCount), kShortestCard, kTallestCard);
}

sf::FloatRect LadderLayout::card(std::size_t level) const {
    const auto column = static_cast<float>(level / rowCount);
    const auto row = static_cast<float>(level % rowCount);
    return {kMargin + column * (cardSize.x + kGap), kHeader + row * rowStep(), cardSize.x,
            cardSize.y};
}

sf::FloatRect LadderLayout::picture(std::size_t level) const {
    const sf::FloatRect whole = card(level);
    const float side = whole.height - 2.f * kPadding;
    return {whole.left + kPadding, whole.top + kPadding, side, side};
}

CardText LadderLayout::text(std::size_t level) const {
    const sf::FloatRect box = card(level);
    const sf::FloatRect frame = picture(level);
    CardText text;
    // The title and two smaller lines, the smaller ones two thirds of the title, fill at most
    // the height of the picture.
    const float title = std::min(24.f, frame.height / (kLineHeight * (1.f + 2.f * 2.f / 3.f)));
    text.titleSize = static_cast<unsigned>(title);
    text.lineSize = std::min(16u, text.titleSize * 2 / 3);
    const float left = frame.left + frame.width + 12.f;
    text.title = {left, frame.top};
    text.idea = {left, text.title.y + static_cast<float>(text.titleSize) * kLineHeight};
    text.name = {left, text.idea.y + static_cast<float>(text.lineSize) * kLineHeight};
    text.width = std::max(0.f, box.left + box.width - kDifficultyWidth - left);
    text.difficultyMiddle = box.left + box.width - kDifficultyWidth / 2.f;
    text.labelSize = static_cast<unsigned>(std::clamp(box.height * 0.16f, 10.f, 13.f));
    text.figureTop = box.top + 4.f;
    // On a short card the figure gives way, so that it and its label stay above the button.
    const sf::FloatRect button = watchButton(level);
    const float room = button.top - kPadding - text.figureTop;
    const float figure =
        std::min(box.height * 0.4f, room / kLineHeight - static_cast<float>(text.labelSize));
    text.figureSize = static_cast<unsigned>(std::clamp(figure, 16.f, 36.f));
    text.labelTop = text.figureTop + static_cast<float>(text.figureSize) * kLineHeight;
    text.watchSize = static_cast<unsigned>(button.height * 0.7f);
    return text;
}

sf::FloatRect LadderLayout::watchButton(std::size_t level) const {
    const sf::FloatRect box = card(level);
    // Large enough to hit on the shortest card, centred under the difficulty like its figure.
    const float width = kDifficultyWidth - 2.f * kPadding;
    const float height = std::clamp(box.height * 0.2f, 16.f, 22.f);
    return {box.left + box.width - kPadding - width, box.top + box.height - kPadding - height,
            width, height};
}

std::optional<std::size_t> LadderLayout::levelAt(sf::Vector2f point) const {
    // Found from the column and row the point falls in, since a ladder may be long.
    const float column = std::floor((point.x - kMargin) / (cardSize.x + kGap));
    const float row = std::floor((point.y - kHeader) / rowStep());
    if (column < 0.f || row < 0.f || column >= static_cast<float>(columnCount) ||
        row >= static_cast<float>(rowCount)) {
        return std::nullopt;
    }
    const std::size_t level =
        static_cast<std::size_t>(column) * rowCount + static_cast<std::size_t>(row);
    // Half-open, so that a point on the edge between two cards belongs to one of them.
    const sf::FloatRect box = card(level);
    if (level >= levelCount || point.x >= box.left + box.width || point.y >= box.top + box.height) {
        return std::nullopt;
    }
    return level;
}

std::optional<CardChoice> LadderLayout::choiceAt(sf::Vector2f point) const {
    const std::optional<std::size_t> level = levelAt(point);
    if (!level) {
        return std::nullopt;
    }
    const bool watch = watchButton(*level).contains(point);
    return CardChoice{*level, watch ? CardAction::Watch : CardAction::Play};
}

sf::FloatRect LadderLayout::band() const {
    return {0.f, kHeader, windowSize.x, windowSize.y - kHeader - kFooter};
}

float LadderLayout::scrollLimit() const {
    const float bottom = kHeader + static_cast<float>(rowCount) * rowStep() - kGap;
    return std::max(0.f, bottom - (band().top + band().height));
}

float LadderLayout::pageStep() const {
    return std::max(1.f, std::floor(band().height / rowStep())) * rowStep();
}
