#pragma once

#include <SFML/Graphics/Image.hpp>
#include <filesystem>
#include <string>

namespace assetgen {

// Makes every picture, sound and the music and writes them into the game's asset tree
// (textures/, sounds/, music/) under one root folder.
class AssetWriter {
public:
    explicit AssetWriter(std::filesystem::path root) : root(std::move(root)) {}

    // False as soon as anything cannot be written, with the reason in `error()`.
    bool writeAll();

    // Paints the review sheet of every picture into one PNG file.
    bool writeContactSheet(const std::filesystem::path& file);

    // Paints the level editor's tileset, one tile per cell code, into one PNG file.
    bool writeTileset(const std::filesystem::path& file);

    // Paints the game's icon at every size into an icon theme's layout: SIZExSIZE/apps/.
    bool writeIcons(const std::filesystem::path& theme);

    const std::string& error() const { return lastError; }

private:
    bool writeImage(const sf::Image& image, const std::filesystem::path& file);
    bool makeFolder(const std::filesystem::path& folder);
    bool fail(const std::string& message);

    std::filesystem::path root;
    std::string lastError;
};

}  // namespace assetgen
