#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "Commands.hpp"
#include "LevelCheck.hpp"
#include "LevelPicture.hpp"

namespace {

// The staged game keeps its pictures in assets/textures beside the programs.
std::string defaultAssets() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("assets") : (self.parent_path() / "assets").string();
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
