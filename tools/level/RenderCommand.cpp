#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "Commands.hpp"
#include "LevelCheck.hpp"
#include "LevelPicture.hpp"

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

int renderCommand(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    std::string assets = defaultAssets();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--assets" && i + 1 < arguments.size()) {
            assets = arguments[++i];
        } else if (arguments[i].size() > 1 && arguments[i][0] == '-') {
            return badUsage("render takes no option '" + arguments[i] + "'");
        } else {
            files.push_back(arguments[i]);
        }
    }
    if (files.size() != 2) {
        return badUsage("render needs a level file and a picture file");
    }
    const LevelReport report = LevelCheck::checkFile(files[0]);
    // A level with mistakes is still painted as the game would show it, with the errors told.
    for (const Diagnostic& diagnostic : report.diagnostics) {
        if (diagnostic.severity == Diagnostic::Severity::Error) {
            std::cerr << formatDiagnostic(files[0], diagnostic) << '\n';
        }
    }
    if (!report.map) {
        return 1;
    }
    try {
        LevelPicture painter(assets + "/textures");
        if (!painter.paint(*report.map).saveToFile(files[1])) {
            throw std::runtime_error("cannot write " + files[1]);
        }
    } catch (const std::runtime_error& error) {
        std::cerr << "zembrook-level: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
