#include <filesystem>
#include <stdexcept>

#include "Commands.hpp"
#include "DiagnosticPrinter.hpp"
#include "LevelCheck.hpp"
#include "LevelPicture.hpp"
#include "OptionParser.hpp"
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
    const std::vector<std::string> files =
        OptionParser("render", {{"--assets", &assets}}).parse(arguments);
    if (files.size() != 2) {
        throw UsageError("render needs a level file and a picture file");
    }
    const LevelReport report = LevelCheck::checkFile(files[0]);
    // A level with mistakes is still painted as the game would show it, with the errors told.
    diagnostics.findings(files[0], report.diagnostics);
    if (!report.map) {
        return 1;
    }
    LevelPicture painter(assets + "/textures");
    if (!painter.paint(*report.map).saveToFile(files[1])) {
        throw std::runtime_error("cannot write " + files[1]);
    }
    return 0;
}
