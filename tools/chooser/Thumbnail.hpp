#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "entities/ObjectCode.hpp"

class TileMap;

// Paints a level at the size a card shows it, whatever the level's side: every pixel of the
// thumbnail averages a few points of the game's first frame, and each point is looked up in
// the picture of the one cell it falls in. The work is that of the thumbnail's pixels, so a
// 512-side level costs what a 23-side one does, where painting the whole frame and shrinking
// it took seconds and gigabytes. Each cell's building or creature is drawn at its centre, as
// the game places it, and held inside its cell: the game's pictures are all smaller than one.
class Thumbnail {
public:
    // The folder holding the game's pictures, "assets/textures" of the staged game.
    explicit Thumbnail(std::string textureFolder) : folder(std::move(textureFolder)) {}

    // A side x side picture of the level. Throws std::runtime_error when a picture it needs
    // cannot be read.
    sf::Image paint(const TileMap& level, unsigned side);

private:
    // Where the points looked at in one direction fall: the cell, and the pixel inside it.
    struct Point {
        std::size_t cell;
        std::size_t pixel;
    };
    // A cell as the game draws it, its ground and what stands on it, pixel by pixel, row by row.
    using CellPicture = std::vector<sf::Color>;

    std::vector<Point> points(std::size_t cells, unsigned side) const;
    // Made once a code, since a thumbnail looks at thousands of points.
    const CellPicture& cellPicture(std::int32_t code) {
        if (code < 0 || code >= static_cast<std::int32_t>(cells.size())) {
            code = Floor;
        }
        const CellPicture& cell = cells[static_cast<std::size_t>(code)];
        return cell.empty() ? makeCellPicture(code) : cell;
    }
    const CellPicture& makeCellPicture(std::int32_t code);
    // The game's picture of that name, read once.
    const sf::Image& picture(const std::string& name);

    std::string folder;
    std::map<std::string, sf::Image> pictures;
    std::array<CellPicture, NoObject + 1> cells;  // by code; every other code is read as floor
};
