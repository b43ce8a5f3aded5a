#pragma once

#include <SFML/Graphics/Image.hpp>
#include <string>
#include <vector>

namespace assetgen {

// One finished picture and the file name the game asks for.
struct Picture {
    std::string fileName;
    sf::Image image;
};

// The game's complete set of pictures, in one place so that the writer, the contact sheet and
// the tests all see the same list.
class PictureSet {
public:
    static std::vector<Picture> paintAll();

    // The picture with this file name; throws std::out_of_range when there is none.
    static const sf::Image& find(const std::vector<Picture>& pictures, const std::string& fileName);
};

}  // namespace assetgen
