#include <gtest/gtest.h>

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
            EXPECT_LE(card.left + card.width, kWindow.x - LadderLayout::kMargin);
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

TEST(LadderLayoutTest, AClickChoosesTheCardUnderItAndNothingInTheGaps) {
    const LadderLayout layout(12, kWindow);
    for (std::size_t level = 0; level < 12; ++level) {
        EXPECT_EQ(layout.levelAt(centre(layout.card(level))), level);
    }
    const sf::FloatRect first = layout.card(0);
    const float bottom = first.top + first.height;
    const float right = first.left + first.width;
    EXPECT_EQ(layout.levelAt({first.left, bottom - 1.f}), 0u);
    EXPECT_EQ(layout.levelAt({first.left, bottom + 1.f}), std::nullopt);
    EXPECT_EQ(layout.levelAt({right + 1.f, first.top}), std::nullopt);
    EXPECT_EQ(layout.levelAt({first.left, first.top - 1.f}), std::nullopt);
    EXPECT_EQ(layout.levelAt({first.left - 1.f, first.top}), std::nullopt);
}

}  // namespace
