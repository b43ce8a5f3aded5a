#include <gtest/gtest.h>

#include <algorithm>

#include "LadderLayout.hpp"

namespace {

const sf::Vector2f kWindow(1024.f, 768.f);

sf::Vector2f centre(const sf::FloatRect& box) {
    return {box.left + box.width / 2.f, box.top + box.height / 2.f};
}

TEST(LadderLayoutTest, UpToEightLevelsStandInOneColumnAndTwelveFitTwoDownwardColumns) {
    for (const auto& [levels, columns] :
         {std::pair<std::size_t, std::size_t>{1, 1}, {8, 1}, {9, 2}, {12, 2}}) {
        const LadderLayout layout(levels, kWindow);
        EXPECT_EQ(layout.columns(), columns) << levels << " levels";
        for (std::size_t level = 0; level < levels; ++level) {
            const sf::FloatRect card = layout.card(level);
            EXPECT_GE(card.left, LadderLayout::kMargin);
            EXPECT_GE(card.top, LadderLayout::kHeader);
            EXPECT_LE(card.top + card.height, kWindow.y - LadderLayout::kFooter)
                << "level " << level << " of " << levels;
        }
    }
    // The ladder reads down the first column before the second: the sixth of twelve is at the
    // bottom of the first, the seventh at the top of the second.
    const LadderLayout twelve(12, kWindow);
    EXPECT_EQ(twelve.card(6).top, twelve.card(0).top);
    EXPECT_GT(twelve.card(6).left, twelve.card(5).left);
}

// A click on a card's watch button watches its level, anywhere else on the card plays it, on
// the tallest cards and on the shortest alike; the gaps choose nothing.
TEST(LadderLayoutTest, AClickPlaysTheCardUnderItOrWatchesOnItsButtonAndDoesNothingInTheGaps) {
    for (const std::size_t levels : {3u, 12u, 100u}) {
        const LadderLayout layout(levels, kWindow);
        for (std::size_t level = 0; level < levels; ++level) {
            const CardChoice play{level, CardAction::Play};
            const CardChoice watch{level, CardAction::Watch};
            const sf::FloatRect card = layout.card(level);
            const sf::FloatRect button = layout.watchButton(level);
            const float bottom = card.top + card.height;
            const std::pair<sf::Vector2f, std::optional<CardChoice>> clicks[] = {
                {centre(card), play},
                {centre(button), watch},
                {{button.left, button.top}, watch},
                {{button.left - 1.f, button.top}, play},
                {{button.left, button.top - 1.f}, play},
                {{card.left, bottom - 1.f}, play},
                {{card.left, bottom + 1.f}, std::nullopt},
                {{card.left + card.width + 1.f, card.top}, std::nullopt},
                {{card.left, card.top - 1.f}, std::nullopt},
                {{card.left - 1.f, card.top}, std::nullopt}};
            for (const auto& [point, choice] : clicks) {
                EXPECT_EQ(layout.choiceAt(point), choice)
                    << "(" << point.x << ", " << point.y << ") of " << levels << " levels";
            }
        }
    }
}

// However long the ladder, every line of a card fits inside it in letters large enough to
// read; a ladder that does not fit the window is one column that scrolls, down to its last
// card, which can be clicked like the first.
TEST(LadderLayoutTest, LinesStayInsideTheirCardsAndALongLadderScrollsInOneColumn) {
    struct Case {
        std::size_t levels;
        std::size_t columns;
        bool scrolls;
    };
    for (const Case& ladder :
         {Case{1, 1, false}, Case{8, 1, false}, Case{12, 2, false}, Case{24, 3, false},
          Case{25, 1, true}, Case{100, 1, true}, Case{1000, 1, true}}) {
        const LadderLayout layout(ladder.levels, kWindow);
        EXPECT_EQ(layout.columns(), ladder.columns) << ladder.levels << " levels";
        EXPECT_EQ(layout.scrollLimit() > 0.f, ladder.scrolls) << ladder.levels << " levels";
        const sf::FloatRect band = layout.band();
        const sf::FloatRect last = layout.card(ladder.levels - 1);
        EXPECT_FLOAT_EQ(std::max(last.top + last.height, band.top + band.height),
                        band.top + band.height + layout.scrollLimit());
        EXPECT_EQ(layout.levelAt(centre(last)), ladder.levels - 1);
        for (std::size_t level = 0; level < ladder.levels; ++level) {
            const sf::FloatRect card = layout.card(level);
            const CardText text = layout.text(level);
            const float bottom = card.top + card.height;
            const auto lineEnd = [](float top, unsigned size) {
                return top + static_cast<float>(size) * LadderLayout::kLineHeight;
            };
            EXPECT_GE(text.titleSize, 16u);
            EXPECT_GE(text.lineSize, 11u);
            EXPECT_GE(text.width, 100.f);
            EXPECT_LE(text.title.x + text.width + LadderLayout::kDifficultyWidth,
                      card.left + card.width);
            EXPECT_LE(lineEnd(text.title.y, text.titleSize), text.idea.y);
            EXPECT_LE(lineEnd(text.idea.y, text.lineSize), text.name.y);
            EXPECT_LE(lineEnd(text.name.y, text.lineSize), bottom) << "level " << level;
            // The watch button keeps clear of the lines and the difficulty, inside the card.
            const sf::FloatRect button = layout.watchButton(level);
            EXPECT_LE(text.title.x + text.width, button.left);
            EXPECT_LE(lineEnd(text.labelTop, text.labelSize), button.top) << "level " << level;
            EXPECT_LE(button.top + button.height, bottom);
        }
    }
}

}  // namespace
