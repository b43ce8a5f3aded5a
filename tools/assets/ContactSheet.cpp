#include "ContactSheet.hpp"

#include <algorithm>

namespace assetgen {

namespace {

constexpr unsigned kZoom = 5;
constexpr unsigned kMargin = 12;
const sf::Color kBackground(128, 128, 128);

// Nearest-neighbour, so every real pixel stays visible as a square.
sf::Image enlarge(const sf::Image& source, unsigned zoom) {
    const sf::Vector2u size = source.getSize();
    sf::Image result;
    result.create(size.x * zoom, size.y * zoom);
    for (unsigned y = 0; y < size.y * zoom; ++y) {
        for (unsigned x = 0; x < size.x * zoom; ++x) {
            result.setPixel(x, y, source.getPixel(x / zoom, y / zoom));
        }
    }
    return result;
}

sf::Image repeat(const sf::Image& tile, unsigned times) {
    const sf::Vector2u size = tile.getSize();
    sf::Image result;
    result.create(size.x * times, size.y * times);
    for (unsigned y = 0; y < times; ++y) {
        for (unsigned x = 0; x < times; ++x) {
            result.copy(tile, x * size.x, y * size.y);
        }
    }
    return result;
}

// Pastes a sprite centred on a point the way the game places it: origin at half its size.
void placeCentred(sf::Image& target, const sf::Image& sprite, unsigned x, unsigned y) {
    const sf::Vector2u size = sprite.getSize();
    target.copy(sprite, x - size.x / 2, y - size.y / 2, sf::IntRect(), true);
}

sf::Image streetScene(const std::vector<Picture>& pictures) {
    const sf::Image& floor = PictureSet::find(pictures, "floor.png");
    const sf::Image& block = PictureSet::find(pictures, "block.png");
    sf::Image scene;
    scene.create(7 * 30, 4 * 30);
    for (unsigned row = 0; row < 4; ++row) {
        for (unsigned column = 0; column < 7; ++column) {
            const bool wall = row == 0 || (column == 6 && row < 3);
            scene.copy(wall ? block : floor, column * 30, row * 30);
        }
    }
    placeCentred(scene, PictureSet::find(pictures, "human.png"), 45, 45);
    placeCentred(scene, PictureSet::find(pictures, "human.png"), 105, 75);
    placeCentred(scene, PictureSet::find(pictures, "zombie.png"), 45, 105);
    placeCentred(scene, PictureSet::find(pictures, "zombie.png"), 75, 75);
    placeCentred(scene, PictureSet::find(pictures, "turret.png"), 135, 45);
    placeCentred(scene, PictureSet::find(pictures, "projectile.png"), 160, 50);
    placeCentred(scene, PictureSet::find(pictures, "barricade.png"), 165, 105);
    placeCentred(scene, PictureSet::find(pictures, "mine.png"), 135, 105);
    return scene;
}

}  // namespace

sf::Image ContactSheet::compose(const std::vector<Picture>& pictures) {
    std::vector<sf::Image> topRow;
    for (const Picture& picture : pictures) {
        topRow.push_back(enlarge(picture.image, kZoom));
    }
    const std::vector<sf::Image> bottomRow{
        enlarge(repeat(PictureSet::find(pictures, "floor.png"), 3), 3),
        enlarge(repeat(PictureSet::find(pictures, "block.png"), 3), 3),
        enlarge(streetScene(pictures), 3),
    };

    const auto rowSize = [](const std::vector<sf::Image>& row) {
        sf::Vector2u size{kMargin, 0};
        for (const sf::Image& image : row) {
            size.x += image.getSize().x + kMargin;
            size.y = std::max(size.y, image.getSize().y);
        }
        return size;
    };
    const sf::Vector2u top = rowSize(topRow);
    const sf::Vector2u bottom = rowSize(bottomRow);
    sf::Image sheet;
    sheet.create(std::max(top.x, bottom.x), top.y + bottom.y + 3 * kMargin, kBackground);

    const auto paste = [&sheet](const std::vector<sf::Image>& row, unsigned y) {
        unsigned x = kMargin;
        for (const sf::Image& image : row) {
            sheet.copy(image, x, y, sf::IntRect(), true);
            x += image.getSize().x + kMargin;
        }
    };
    paste(topRow, kMargin);
    paste(bottomRow, top.y + 2 * kMargin);
    return sheet;
}

}  // namespace assetgen
