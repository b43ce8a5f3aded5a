#include "PictureSet.hpp"

#include <stdexcept>

#include "BuildMenuPainter.hpp"
#include "BuildingPainter.hpp"
#include "CreaturePainter.hpp"
#include "EffectPainter.hpp"
#include "TilePainter.hpp"

namespace assetgen {

std::vector<Picture> PictureSet::paintAll() {
    return {
        {"floor.png", TilePainter::floor()},       {"block.png", TilePainter::block()},
        {"zombie.png", CreaturePainter::zombie()}, {"human.png", CreaturePainter::human()},
        {"turret.png", BuildingPainter::turret()}, {"barricade.png", BuildingPainter::barricade()},
        {"mine.png", BuildingPainter::mine()},     {"projectile.png", EffectPainter::projectile()},
        {"build.png", BuildMenuPainter::sheet()},  {"particle.png", EffectPainter::particle()},
    };
}

const sf::Image& PictureSet::find(const std::vector<Picture>& pictures,
                                  const std::string& fileName) {
    for (const Picture& picture : pictures) {
        if (picture.fileName == fileName) {
            return picture.image;
        }
    }
    throw std::out_of_range("no picture named " + fileName);
}

}  // namespace assetgen
