#include <stdexcept>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "cli/SharedOptions.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/OutputFile.hpp"
#include "console/UsageError.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"
#include "levelformat/PngFile.hpp"

namespace {

std::vector<OptionRow> rows(SharedOptions& shared) {
    return shared.rows({SharedOptions::Row::Cell, SharedOptions::Row::Assets});
}

}  // namespace

std::string renderSynopsis() {
    SharedOptions unused;
    return "FILE OUT.png " + synopsisOf(rows(unused));
}

int renderCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    SharedOptions shared;
    const std::vector<std::string> files =
        OptionParser("render", parserRows(rows(shared))).parse(arguments);
    if (files.size() != 2) {
        throw UsageError("render needs a level file and a picture file");
    }
    const OutputFile picture("the picture", files[1], {{"the level", files[0]}});
    const LevelReport report = LevelCheck::checkFile(files[0]);
    diagnostics.findings(files[0], report.diagnostics);
    if (!report.map) {
        return 1;
    }
    const std::uint32_t side = report.map->size;
    const auto cell = static_cast<std::uint32_t>(shared.cell);
    if (!LevelPicture::fits(side, cell)) {
        throw std::runtime_error("a " + std::to_string(side) + " x " + std::to_string(side) +
                                 " level at " + std::to_string(cell) + " pixels a cell would be " +
                                 std::to_string(side * cell) + " pixels a side, more than the " +
                                 std::to_string(LevelPicture::kLargestSide) +
                                 " a picture may have; --cell " +
                                 std::to_string(LevelPicture::largestCell(side)) + " fits");
    }
    LevelPicture painter(shared.assets + "/textures", cell);
    writePng(painter.paint(*report.map), picture);
    // A level with mistakes is still painted as the game would show it, to be looked at.
    return report.hasErrors() ? 1 : 0;
}
