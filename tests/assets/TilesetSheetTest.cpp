#include <gtest/gtest.h>

#include "TilesetSheet.hpp"

using assetgen::PictureSet;
using assetgen::TilesetSheet;

namespace {

bool sameTile(const sf::Image& sheet, unsigned index, const sf::Image& tile) {
    for (unsigned y = 0; y < 30; ++y) {
        for (unsigned x = 0; x < 30; ++x) {
            if (sheet.getPixel(index * 30 + x, y) != tile.getPixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

// Tiled numbers the tiles of a sheet from the left, and a tile's number is its level code.
TEST(TilesetSheetTest, TileNumberKPicturesLevelCodeKOnOpaqueStreet) {
    const std::vector<assetgen::Picture> pictures = PictureSet::paintAll();
    const sf::Image sheet = TilesetSheet::compose(pictures);
    ASSERT_EQ(sheet.getSize(), sf::Vector2u(7 * 30, 30));
    const sf::Image& street = PictureSet::find(pictures, "floor.png");
    EXPECT_TRUE(sameTile(sheet, 0, street));
    EXPECT_TRUE(sameTile(sheet, 1, PictureSet::find(pictures, "block.png")));
    const char* const standing[] = {"zombie.png", "human.png", "turret.png", "barricade.png",
                                    "mine.png"};
    for (unsigned code = 2; code <= 6; ++code) {
        SCOPED_TRACE(standing[code - 2]);
        // The picture stands centred, over street that shows at the tile's corner.
        const sf::Image& picture = PictureSet::find(pictures, standing[code - 2]);
        const sf::Color centre = picture.getPixel(picture.getSize().x / 2, picture.getSize().y / 2);
        EXPECT_EQ(sheet.getPixel(code * 30 + 15, 15), centre);
        EXPECT_EQ(sheet.getPixel(code * 30, 0), street.getPixel(0, 0));
        EXPECT_EQ(sheet.getPixel(code * 30 + 15, 15).a, 255);
    }
}
