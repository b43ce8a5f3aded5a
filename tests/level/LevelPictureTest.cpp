#include <gtest/gtest.h>

#include "LevelCheck.hpp"
#include "LevelPicture.hpp"

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

}  // namespace
