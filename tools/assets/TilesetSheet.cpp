#include "TilesetSheet.hpp"

#include <string>

namespace assetgen {

sf::Image TilesetSheet::compose(const std::vector<Picture>& pictures) {
    // In the order of the level file's codes: street, wall, then what stands on the street.
    const std::vector<std::string> standing{"zombie.png", "human.png", "turret.png",
                                            "barricade.png", "mine.png"};
    const sf::Image& street = PictureSet::find(pictures, "floor.png");
    sf::Image sheet;
    sheet.create(kTileSize * static_cast<unsigned>(2 + standing.size()), kTileSize);
    sheet.copy(street, 0, 0);
    sheet.copy(PictureSet::find(pictures, "block.png"), kTileSize, 0);
    unsigned left = 2 * kTileSize;
    for (const std::string& name : standing) {
        const sf::Image& picture = PictureSet::find(pictures, name);
        const sf::Vector2u size = picture.getSize();
        sheet.copy(street, left, 0);
        sheet.copy(picture, left + kTileSize / 2 - size.x / 2, kTileSize / 2 - size.y / 2,
                   sf::IntRect(), true);
        left += kTileSize;
    }
    return sheet;
}

}  // namespace assetgen
