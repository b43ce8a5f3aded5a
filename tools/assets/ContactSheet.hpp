#pragma once

#include <SFML/Graphics/Image.hpp>
#include <vector>

#include "PictureSet.hpp"

namespace assetgen {

// One review image of every picture, enlarged on a neutral grey, plus the tiles repeated and a
// small street scene at game scale, so looks, seams and contrast can be judged at a glance.
class ContactSheet {
public:
    static sf::Image compose(const std::vector<Picture>& pictures);
};

}  // namespace assetgen
