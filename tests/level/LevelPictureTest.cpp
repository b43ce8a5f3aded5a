#include <gtest/gtest.h>

#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"

namespace {

const std::string kTextures = std::string(ZEMBROOK_STAGE_DIR) + "/assets/textures";

sf::Image loaded(const std::string& name) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(kTextures + "/" + name));
    return image;
}

TEST(LevelPictureTest, EveryCellIsThirtyPixelsWithTheGamesOwnTiles) {
    const TileMap level = *LevelCheck::checkText(
                               "5\n1 1 1 1 1\n1 2 0 3 1\n1 0 1 0 1\n"
                               "1 4 0 6 1\n1 1 1 1 1\n")
                               .map;
    LevelPicture painter(kTextures);
    const sf::Image picture = painter.paint(level);
    ASSERT_EQ(picture.getSize(), sf::Vector2u(150, 150));
    const sf::Image wall = loaded("block.png");
    const sf::Image street = loaded("floor.png");
    // The inner wall at column 2, row 2, and the empty street at column 2, row 1.
    for (unsigned y = 0; y < 30; y += 7) {
        for (unsigned x = 0; x < 30; x += 7) {
            EXPECT_EQ(picture.getPixel(60 + x, 60 + y).toInteger(),
                      wall.getPixel(x, y).toInteger());
            EXPECT_EQ(picture.getPixel(60 + x, 30 + y).toInteger(),
                      street.getPixel(x, y).toInteger());
        }
    }
}

// Each picture cell at 10 pixels is the average of the 3 x 3 game pixels it stands for.
TEST(LevelPictureTest, ASmallerCellShowsTheGamesTilesAveraged) {
    const TileMap level = *LevelCheck::checkText("3\n1 1 1\n1 0 1\n1 1 1\n").map;
    LevelPicture painter(kTextures, 10);
    const sf::Image picture = painter.paint(level);
    ASSERT_EQ(picture.getSize(), sf::Vector2u(30, 30));
    for (const auto& [name, left] : {std::pair{"block.png", 0u}, std::pair{"floor.png", 10u}}) {
        const sf::Image tile = loaded(name);
        for (unsigned y = 0; y < 10; y += 3) {
            for (unsigned x = 0; x < 10; x += 3) {
                unsigned red = 0;
                for (unsigned i = 0; i < 9; ++i) {
                    red += tile.getPixel(3 * x + i % 3, 3 * y + i / 3).r;
                }
                EXPECT_NEAR(picture.getPixel(left + x, 10 + y).r, red / 9.0, 0.5) << name;
            }
        }
    }
}

TEST(LevelPictureTest, APictureFitsUpTo16384PixelsASide) {
    EXPECT_TRUE(LevelPicture::fits(512, 32));
    EXPECT_FALSE(LevelPicture::fits(512, 33));
    EXPECT_TRUE(LevelPicture::fits(3, 5461));
    EXPECT_FALSE(LevelPicture::fits(3, 5462));
    EXPECT_EQ(LevelPicture::largestCell(512), 32u);
    EXPECT_EQ(LevelPicture::largestCell(3), 5461u);
}

}  // namespace
