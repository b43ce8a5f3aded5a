#include <filesystem>
#include <stdexcept>

#include "Commands.hpp"
#include "DiagnosticPrinter.hpp"
#include "LevelCheck.hpp"
#include "LevelPicture.hpp"
#include "OptionParser.hpp"
#include "PngFile.hpp"
#include "UsageError.hpp"

namespace {

// The game's pictures, found from where this program lies, so that a moved tree still works:
// beside it in the build's stage, or in the data folder of the tree it is installed in.
std::string defaultAssets() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "assets";
    }
    const std::filesystem::path staged = self.parent_path() / "assets";
    if (std::filesystem::is_directory(staged, error)) {
        return staged.string();
    }
    return (self.parent_path() / ZEMBROOK_INSTALLED_ASSETS).lexically_normal().string();
}

}  // namespace

int renderCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    std::string assets = defaultAssets();
    long cell = kTileSize;
    const std::vector<std::string> files =
        OptionParser("render",
                     {
                         {"--cell", WholeNumber{&cell, 1, LevelPicture::kLargestSide}},
                         {"--assets", &assets},
                     })
            .parse(arguments);
    if (files.size() != 2) {
        throw UsageError("render needs a level file and a picture file");
    }
    const LevelReport report = LevelCheck::checkFile(files[0]);
    diagnostics.findings(files[0], report.diagnostics);
    if (!report.map) {
        return 1;
    }
    const std::uint32_t side = report.map->size;
    if (!LevelPicture::fits(side, static_cast<std::uint32_t>(cell))) {
        throw std::runtime_error("a " + std::to_string(side) + " x " + std::to_string(side) +
                                 " level at " + std::to_string(cell) + " pixels a cell would be " +
                                 std::to_string(side * cell) + " pixels a side, more than the " +
                                 std::to_string(LevelPicture::kLargestSide) +
                                 " a picture may have; --cell " +
                                 std::to_string(LevelPicture::largestCell(side)) + " fits");
    }
    LevelPicture painter(assets + "/textures", static_cast<std::uint32_t>(cell));
    writePng(painter.paint(*report.map), files[1]);
    // A level with mistakes is still painted as the game would show it, to be looked at.
    return report.hasErrors() ? 1 : 0;
}
