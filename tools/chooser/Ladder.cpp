#include "Ladder.hpp"

#include "console/DiagnosticPrinter.hpp"
#include "console/Printable.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"

namespace {

// The launcher refuses a level with errors, so a rung that could never be played is refused
// here already; the checker's first finding says why.
const TileMap& playableMap(const std::string& path, const LevelReport& report) {
    for (const Diagnostic& diagnostic : report.diagnostics) {
        if (diagnostic.severity == Diagnostic::Severity::Error) {
            throw LadderError(printable(DiagnosticPrinter::format(path, diagnostic)));
        }
    }
    if (!report.map) {
        throw LadderError(path + ": error: holds no map");
    }
    return *report.map;
}

LevelManifest readManifest(const std::string& path) {
    try {
        return LevelManifest::readFile(path);
    } catch (const ManifestError& error) {
        throw LadderError(error.what());
    }
}

sf::Image paint(LevelPicture& painter, const std::string& path, const TileMap& map) {
    try {
        return painter.paint(map);
    } catch (const std::runtime_error& error) {
        throw LadderError(path + ": error: cannot be painted: " + error.what());
    }
}

}  // namespace

Ladder Ladder::load(const std::string& dataFolder) {
    const std::string levelFolder = dataFolder + "/levels/";
    const LevelManifest manifest = readManifest(levelFolder + "levels.tsv");
    LevelPicture painter(dataFolder + "/assets/textures");
    Ladder ladder;
    for (const LevelEntry& entry : manifest.entries()) {
        const std::string path = levelFolder + entry.file;
        const LevelReport report = LevelCheck::checkFile(path);
        ladder.rungs.push_back({entry, paint(painter, path, playableMap(path, report))});
    }
    return ladder;
}
