#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/TempFolder.hpp"
#include "levelformat/ManifestWriter.hpp"

namespace {

using Path = std::filesystem::path;

const std::string kLadder =
    "# the ladder\n"
    "town\tTileMap.txt\tThe Town\tthree zombies\t13\t1:43\t2 of 837\n"
    "\n"
    "docks\tdocks.txt\tThe Docks\ta crowd on the quay\t41\t1:31\t0 of 720\n";
const std::string kMeasuredLadder =
    "# the ladder\n"
    "town\tTileMap.txt\tThe Town\tthree zombies\t14\t1:40\t3 of 837\n"
    "\n"
    "docks\tdocks.txt\tThe Docks\ta crowd on the quay\t40\theld\t1 of 9\n";
const std::vector<LevelFigures> kMeasured = {{14, "1:40", "3 of 837"}, {40, "held", "1 of 9"}};

std::string bytesOf(const Path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// The text with DOS line ends from the line starting at `from` on.
std::string dos(const std::string& text, std::size_t from = 0) {
    std::string converted = text.substr(0, from);
    for (const char c : text.substr(from)) {
        converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return converted;
}

// A manifest written into a fresh folder, and what replacing it by its measured text says.
struct Replacement {
    TempFolder folder{"manifest-writer"};
    Path path = folder.path / "levels.tsv";
    std::string said;

    Replacement(const std::string& before, ManifestWriter::WriteAll write,
                void (*meanwhile)(const Path&)) {
        std::ofstream(path, std::ios::binary) << before;
        ::chmod(path.c_str(), 0640);
        const LevelManifest read = LevelManifest::readFile(path.string());
        const ManifestWriter writer(path.string(), write);
        writer.requireWritable();
        meanwhile(path);
        try {
            writer.replace(read, ManifestWriter::withFigures(read, kMeasured));
        } catch (const ManifestError& error) {
            said = error.what();
        }
    }
};

void untouched(const Path&) {}

TEST(ManifestWriterTest, FiguresTakeTheLastThreeColumnsAndEveryOtherByteIsKept) {
    const std::size_t town = kLadder.find('\n') + 1;
    const struct {
        std::string before;
        std::string after;
    } rows[] = {
        {kLadder, kMeasuredLadder},
        {dos(kLadder), dos(kMeasuredLadder)},
        {dos(kLadder, town), dos(kMeasuredLadder, town)},
        {"#\t\n" + kLadder + " \t\n# end", "#\t\n" + kMeasuredLadder + " \t\n# end"},
        {kLadder.substr(0, kLadder.size() - 1),
         kMeasuredLadder.substr(0, kMeasuredLadder.size() - 1)},
    };
    for (const auto& row : rows) {
        const Replacement replaced(row.before, writeAll, untouched);
        EXPECT_EQ(replaced.said, "");
        EXPECT_EQ(bytesOf(replaced.path), row.after);
        struct stat status {};
        ASSERT_EQ(::stat(replaced.path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0640u) << "the permissions are not kept";
    }
}

// A stand-in for the system's write into a full disk.
bool noSpace(int, std::string_view) {
    errno = ENOSPC;
    return false;
}

TEST(ManifestWriterTest, AFullDiskOrAChangedManifestIsLeftByteForByteWithNoOtherFile) {
    const struct {
        ManifestWriter::WriteAll write;
        void (*meanwhile)(const Path&);
        std::string edited;  // what the user left in the file
        std::string said;
    } rows[] = {
        {noSpace, untouched, kLadder, "cannot be written: No space left on device; it is left"},
        {writeAll, [](const Path& path) { std::ofstream{path}; }, "",
         "changed while it was measured; run again"},
        {writeAll, [](const Path& path) { std::ofstream(path) << "# moved down\n"
                                                              << kLadder; },
         "# moved down\n" + kLadder, "changed while it was measured; run again"},
        {writeAll, [](const Path& path) { std::filesystem::remove(path); }, "(gone)",
         "changed while it was measured; run again"},
    };
    for (const auto& row : rows) {
        const Replacement replaced(kLadder, row.write, row.meanwhile);
        EXPECT_EQ(replaced.said.rfind(replaced.path.string() + ": error: " + row.said, 0), 0u)
            << replaced.said;
        const bool gone = !std::filesystem::exists(replaced.path);
        EXPECT_EQ(gone ? "(gone)" : bytesOf(replaced.path), row.edited);
        const auto files = std::distance(std::filesystem::directory_iterator(replaced.folder.path),
                                         std::filesystem::directory_iterator());
        EXPECT_EQ(files, gone ? 0 : 1) << "a temporary file was left";
    }
}

}  // namespace
