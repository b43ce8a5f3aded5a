// film: a reference player's game of a level, painted as render paints the level, a frame every
// half second of play, into an animated GIF for a page to show.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "cli/CommandSupport.hpp"
#include "cli/Commands.hpp"
#include "cli/OptionRow.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/OptionParser.hpp"
#include "console/SystemCalls.hpp"
#include "console/UsageError.hpp"
#include "entities/GameNumbers.hpp"
#include "levelformat/AnimatedGif.hpp"
#include "levelformat/LevelCheck.hpp"
#include "levelformat/LevelPicture.hpp"
#include "play/ClickRecord.hpp"
#include "play/ClickReplay.hpp"
#include "play/ReferencePlayers.hpp"

namespace {

constexpr std::uint32_t kStepsPerFrame = kStepsPerSecond / 2;
constexpr std::uint16_t kCentisecondsPerFrame = 50;
// Small enough for a page of films to load quickly.
constexpr std::size_t kLargestFilm = 2 * 1024 * 1024;
// No wider than the game's own window.
constexpr long kLargestFrame = 1024;
// A jump ahead plays up to 16 time points at once, so the game is recorded that much further
// than the film runs, for its clicks to last the whole film.
constexpr int kJumpAhead = 16;

struct Settings {
    std::string level;
    std::string film;
    std::string player = kStrongestPlayer;
    long seed = 1;
    long cell = 12;
    long seconds = 90;
    std::string assets = defaultAssets();
};

std::vector<OptionRow> rows(Settings& settings) {
    return {{{"--player", &settings.player}, "NAME"},
            {{"--seed", WholeNumber{&settings.seed, 1, 4294967295}}, "N"},
            {{"--cell", WholeNumber{&settings.cell, 1, kLargestFrame}}, "PX"},
            {{"--seconds", WholeNumber{&settings.seconds, 1, 600}}, "S"},
            {{"--assets", &settings.assets}, "DIR"}};
}

Settings parse(const std::vector<std::string>& arguments) {
    Settings settings;
    const std::vector<std::string> files =
        OptionParser("film", parserRows(rows(settings))).parse(arguments);
    if (files.size() != 2) {
        throw UsageError("film needs a level file and a GIF file");
    }
    if (!ReferencePlayers::isName(settings.player)) {
        std::string names;
        for (const std::string& name : ReferencePlayers::names()) {
            names += (names.empty() ? "" : ", ") + name;
        }
        throw UsageError("--player takes one of " + names + ", not '" + settings.player + "'");
    }
    settings.level = files[0];
    settings.film = files[1];
    return settings;
}

// The film's file, opened before any game is played, so that a path it cannot go to is
// refused at once; it is emptied only when the film is there to fill it. A file made for a
// film that then failed is taken away again.
class FilmFile {
public:
    FilmFile(const std::string& path, const std::string& level) : path(path) {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        made = fd >= 0;
        if (!made && errno == EEXIST) {
            refuseIfTheLevel(level);
            fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        }
        if (fd < 0) {
            throw systemError("cannot write '" + path + "'");
        }
    }
    ~FilmFile() {
        if (fd >= 0) {
            ::close(fd);
        }
        if (made && !written) {
            ::unlink(path.c_str());
        }
    }
    FilmFile(const FilmFile&) = delete;
    FilmFile& operator=(const FilmFile&) = delete;

    void write(const std::string& bytes) {
        struct stat status {};
        const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
        if ((regular && ::ftruncate(fd, 0) != 0) || !writeAll(fd, bytes)) {
            throw systemError("cannot write '" + path + "'");
        }
        const int result = ::close(fd);
        fd = -1;
        if (result != 0) {
            throw systemError("cannot write '" + path + "'");
        }
        written = true;
    }

private:
    // The same file by another name or link would be the level overwritten by its own film.
    void refuseIfTheLevel(const std::string& level) const {
        struct stat film {};
        struct stat input {};
        if (::stat(path.c_str(), &film) == 0 && ::stat(level.c_str(), &input) == 0 &&
            film.st_dev == input.st_dev && film.st_ino == input.st_ino) {
            throw std::runtime_error("'" + path + "' is the level '" + level +
                                     "' itself; the film must go to another file");
        }
    }

    std::string path;
    int fd = -1;
    bool made = false;
    bool written = false;
};

std::string mebibytes(std::size_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}

void refuseLargeFrames(std::uint32_t side, long cell) {
    if (side * cell <= kLargestFrame) {
        return;
    }
    throw std::runtime_error(
        "a " + std::to_string(side) + " x " + std::to_string(side) + " level at " +
        std::to_string(cell) + " pixels a cell makes frames of " + std::to_string(side * cell) +
        " pixels a side, more than the game's window of " + std::to_string(kLargestFrame) +
        "; --cell " + std::to_string(std::max(1L, kLargestFrame / side)) + " fits");
}

void refuseLargeFilm(std::size_t bytes, long cell) {
    if (bytes <= kLargestFilm) {
        return;
    }
    const double smaller = std::sqrt(static_cast<double>(kLargestFilm) / bytes);
    const long fits = std::max(1L, static_cast<long>(std::floor(cell * smaller * 0.9)));
    throw std::runtime_error("the film would take " + mebibytes(bytes) + ", more than the " +
                             mebibytes(kLargestFilm) + " a film may; --cell " +
                             std::to_string(fits) + " or fewer --seconds make it smaller");
}

}  // namespace

std::string filmSynopsis() {
    Settings unused;
    return "FILE OUT.gif " + synopsisOf(rows(unused));
}

int filmCommand(const std::vector<std::string>& arguments, DiagnosticPrinter& diagnostics) {
    const Settings settings = parse(arguments);
    FilmFile file(settings.film, settings.level);
    const LevelReport report = LevelCheck::checkFile(settings.level);
    diagnostics.findings(settings.level, report.diagnostics);
    // The game does not play a level with errors, so neither does its film.
    if (!report.map || report.hasErrors()) {
        return 1;
    }
    const TileMap& level = *report.map;
    refuseLargeFrames(level.size, settings.cell);
    const auto seed = static_cast<std::uint32_t>(settings.seed);
    const int frames = static_cast<int>(settings.seconds * 2);
    const int timePoints =
        static_cast<int>((settings.seconds * kStepsPerSecond + StepsPerTimePoint - 1) /
                         StepsPerTimePoint) +
        kJumpAhead;
    const GameRecord game =
        GameRecord::playAs(settings.player, level, seed, timePoints, jobsFor(0, diagnostics),
                           progressOnTerminal("thinking"));

    LevelPicture painter(settings.assets + "/textures", static_cast<std::uint32_t>(settings.cell));
    // Played twice, which the record makes cheap: once for the colours, once for the film.
    AnimatedGif::Colours colours;
    const auto gather = [&](const WorldState& moment) { colours.gather(painter.paint(moment)); };
    const int shown =
        ClickReplay::showHeadless(level, seed, game.clicks, frames, kStepsPerFrame, gather);
    const unsigned side = level.size * static_cast<unsigned>(settings.cell);
    AnimatedGif gif({side, side}, colours, kCentisecondsPerFrame);
    const auto progress = progressOnTerminal("painting", static_cast<std::size_t>(shown));
    const auto add = [&](const WorldState& moment) {
        gif.add(painter.paint(moment));
        progress(gif.frameCount());
    };
    ClickReplay::showHeadless(level, seed, game.clicks, frames, kStepsPerFrame, add);
    const std::string bytes = gif.finish();
    refuseLargeFilm(bytes.size(), settings.cell);
    file.write(bytes);
    writeStandardOutput(settings.film + ": " + std::to_string(shown) + " frames of " +
                        std::to_string(side) + " x " + std::to_string(side) + " pixels, " +
                        settings.player + " playing seed " + std::to_string(seed) + ", " +
                        mebibytes(bytes.size()) + "\n");
    return 0;
}
