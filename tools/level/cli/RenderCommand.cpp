#include <stdexcept>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"
#include "levelformat/PngFile.hpp"

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
