#include "Ladder.hpp"

#include "PlainFile.hpp"
#include "Thumbnail.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "levelformat/LevelCheck.hpp"

namespace {

using Severity = Diagnostic::Severity;

[[noreturn]] void refuse(const std::string& file, const std::string& message) {
    throw LadderError({file, {Severity::Error, 0, 0, message}});
}

LevelManifest readManifest(const std::string& path) {
    const PlainFileText read = readPlainFile(path, LevelCheck::kLargestFile);
    if (!read.problem.empty()) {
        refuse(path, read.problem);
    }
    return LevelManifest::read(read.text, path);
}

// The launcher refuses a level with errors, so a rung that could never be played is refused
// here already; the checker's first finding says why.
const TileMap& playableMap(const std::string& path, const LevelReport& report) {
    for (const Diagnostic& diagnostic : report.diagnostics) {
        if (diagnostic.severity == Severity::Error) {
            throw LadderError({path, diagnostic});
        }
    }
    if (!report.map) {
        refuse(path, "holds no map");
    }
    return *report.map;
}

sf::Image paint(Thumbnail& painter, const std::string& path, const TileMap& map, unsigned side) {
    try {
        return painter.paint(map, side);
    } catch (const std::runtime_error& error) {
        refuse(path, std::string("cannot be painted: ") + error.what());
    }
}

}  // namespace

LadderError::LadderError(LadderFinding finding)
    : std::runtime_error(DiagnosticPrinter::format(finding.file, finding.diagnostic)),
      found(std::move(finding)) {}

Ladder Ladder::load(const std::string& dataFolder, unsigned pictureSide) {
    const std::string levelFolder = dataFolder + "/levels/";
    const std::string manifestPath = levelFolder + "levels.tsv";
    const LevelManifest manifest = readManifest(manifestPath);
    Thumbnail painter(dataFolder + "/assets/textures");
    Ladder ladder;
    for (const LevelEntry& entry : manifest.entries()) {
        const std::string path = levelFolder + entry.file;
        const PlainFileText read = readPlainFile(path, LevelCheck::kLargestFile);
        if (!read.problem.empty()) {
            ladder.skipped.push_back(
                {path,
                 {Severity::Warning, 0, 0,
                  read.problem + "; the level '" + entry.name + "' is left out"}});
            continue;
        }
        const LevelReport report = LevelCheck::checkText(read.text);
        ladder.rungs.push_back(
            {entry, paint(painter, path, playableMap(path, report), pictureSide)});
    }
    if (ladder.rungs.empty()) {
        refuse(manifestPath,
               "none of its " + std::to_string(manifest.entries().size()) + " levels can be read");
    }
    return ladder;
}
