// zembrook-assets: paints and synthesises every asset of the game into a folder, so that the
// repository holds the recipes and never a binary file.

#include <iostream>
#include <string>

#include "AssetWriter.hpp"

namespace {

int usage() {
    std::cerr << "usage: zembrook-assets OUTPUT_FOLDER [--contact-sheet FILE.png]\n"
                 "       zembrook-assets --contact-sheet FILE.png\n"
                 "       zembrook-assets --tileset FILE.png\n"
                 "       zembrook-assets --icons ICON_THEME_FOLDER\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string output;
    std::string sheet;
    std::string tileset;
    std::string icons;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--contact-sheet") {
            if (i + 1 >= argc) {
                return usage();
            }
            sheet = argv[++i];
        } else if (argument == "--tileset") {
            if (i + 1 >= argc) {
                return usage();
            }
            tileset = argv[++i];
        } else if (argument == "--icons") {
            if (i + 1 >= argc) {
                return usage();
            }
            icons = argv[++i];
        } else if (!argument.empty() && argument[0] != '-' && output.empty()) {
            output = argument;
        } else {
            return usage();
        }
    }
    if (output.empty() && sheet.empty() && tileset.empty() && icons.empty()) {
        return usage();
    }
    assetgen::AssetWriter writer(output);
    const bool written = (output.empty() || writer.writeAll()) &&
                         (sheet.empty() || writer.writeContactSheet(sheet)) &&
                         (tileset.empty() || writer.writeTileset(tileset)) &&
                         (icons.empty() || writer.writeIcons(icons));
    if (!written) {
        std::cerr << "zembrook-assets: " << writer.error() << '\n';
        return 1;
    }
    return 0;
}
