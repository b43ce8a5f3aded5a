#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "assets/TempFolder.hpp"
#include "levelformat/ManifestWriter.hpp"

namespace {

const std::string kLadder =
    "# the ladder\n"
    "town\tTileMap.txt\tThe Town\tthree zombies\t13\t1:43\t2 of 837\n"
    "\n"
    "docks\tdocks.txt\tThe Docks\ta crowd on the quay\t41\t1:31\t0 of 720\n";
const std::vector<LevelFigures> kMeasured = {{14, "1:40", "3 of 837"}, {40, "held", "1 of 9"}};

std::string bytesOf(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

void put(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string crlf(const std::string& text) {
    std::string converted;
    for (const char c : text) {
        converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return converted;
}

// The text with the town's line alone ended as DOS ends lines.
std::string dosTown(const std::string& text) {
    const std::size_t end = text.find('\n', text.find('\n') + 1);
    return text.substr(0, end) + "\r" + text.substr(end);
}

// The message of the ManifestError that replacing the manifest at path throws, if any.
std::string replaceRefusal(const ManifestWriter& writer, const LevelManifest& read,
                           const std::string& text) {
    try {
        writer.replace(read, text);
    } catch (const ManifestError& error) {
        return error.what();
    }
    return "(replaced)";
}

TEST(ManifestWriterTest, FiguresTakeTheLastThreeColumnsAndEveryOtherByteIsKept) {
    const std::string lf =
        "# the ladder\n"
        "town\tTileMap.txt\tThe Town\tthree zombies\t14\t1:40\t3 of 837\n"
        "\n"
        "docks\tdocks.txt\tThe Docks\ta crowd on the quay\t40\theld\t1 of 9\n";
    const struct {
        const char* what;
        std::string before;
        std::string after;
    } rows[] = {
        {"plain line ends", kLadder, lf},
        {"DOS line ends", crlf(kLadder), crlf(lf)},
        {"no line end at the end", kLadder.substr(0, kLadder.size() - 1),
         lf.substr(0, lf.size() - 1)},
        {"one line of each", dosTown(kLadder), dosTown(lf)},
        {"comments between, blanks and tabs", "#\t\n" + crlf(kLadder) + " \t\r\n# end",
         "#\t\n" + crlf(lf) + " \t\r\n# end"},
    };
    for (const auto& row : rows) {
        const LevelManifest manifest = LevelManifest::read(row.before, "levels.tsv");
        EXPECT_EQ(ManifestWriter::withFigures(manifest, kMeasured), row.after) << row.what;
    }
}

// Stand-ins for the system's write into a full disk: nothing goes, or half goes first.
bool noSpace(int, std::string_view) {
    errno = ENOSPC;
    return false;
}
bool halfThenNoSpace(int fd, std::string_view bytes) {
    writeAll(fd, bytes.substr(0, bytes.size() / 2));
    errno = ENOSPC;
    return false;
}

TEST(ManifestWriterTest, AFullDiskLeavesTheManifestByteForByteAndNoOtherFile) {
    for (const ManifestWriter::WriteAll write : {noSpace, halfThenNoSpace}) {
        const TempFolder folder("manifest-full");
        const std::filesystem::path path = folder.path / "levels.tsv";
        put(path, crlf(kLadder));
        const LevelManifest read = LevelManifest::readFile(path.string());
        const ManifestWriter writer(path.string(), write);
        writer.requireWritable();
        EXPECT_EQ(replaceRefusal(writer, read, ManifestWriter::withFigures(read, kMeasured)),
                  path.string() +
                      ": error: cannot be written: No space left on device; it is left as it was");
        EXPECT_EQ(bytesOf(path), crlf(kLadder));
        EXPECT_EQ(namesIn(folder.path), std::set<std::string>{"levels.tsv"});
    }
}

TEST(ManifestWriterTest, AManifestChangedSinceItWasReadIsLeftAsTheUserMadeIt) {
    const struct {
        const char* what;
        bool removed;
        std::string edited;
    } rows[] = {
        {"emptied", false, ""},
        {"a comment put first", false, "# moved down a line\n" + kLadder},
        {"a figure edited", false, kLadder.substr(0, kLadder.size() - 2) + "1\n"},
        {"its lines turned to DOS", false, crlf(kLadder)},
        {"removed", true, ""},
    };
    for (const auto& row : rows) {
        const TempFolder folder("manifest-changed");
        const std::filesystem::path path = folder.path / "levels.tsv";
        put(path, kLadder);
        const LevelManifest read = LevelManifest::readFile(path.string());
        const ManifestWriter writer(path.string());
        writer.requireWritable();
        if (row.removed) {
            std::filesystem::remove(path);
        } else {
            put(path, row.edited);
        }
        EXPECT_EQ(replaceRefusal(writer, read, ManifestWriter::withFigures(read, kMeasured)),
                  path.string() + ": error: changed while it was measured; run again")
            << row.what;
        if (!row.removed) {
            EXPECT_EQ(bytesOf(path), row.edited) << row.what;
        }
        EXPECT_EQ(namesIn(folder.path).size(), row.removed ? 0u : 1u) << row.what;
    }
}

TEST(ManifestWriterTest, TheFileALinkNamesIsReplacedWithItsPermissions) {
    const TempFolder folder("manifest-link");
    std::filesystem::create_directory(folder.path / "real");
    const std::filesystem::path real = folder.path / "real" / "levels.tsv";
    const std::filesystem::path link = folder.path / "levels.tsv";
    put(real, kLadder);
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink("real/levels.tsv", link);
    const LevelManifest read = LevelManifest::readFile(link.string());
    const std::string text = ManifestWriter::withFigures(read, kMeasured);
    ManifestWriter(link.string()).replace(read, text);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(bytesOf(real), text);
    struct stat status {};
    ASSERT_EQ(::stat(real.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(namesIn(folder.path / "real"), std::set<std::string>{"levels.tsv"});
}

TEST(ManifestWriterTest, WhatCannotBeReplacedOrReadBackIsRefusedAndNothingWritten) {
    const TempFolder folder("manifest-refused");
    const std::filesystem::path path = folder.path / "levels.tsv";
    put(path, kLadder);
    const LevelManifest read = LevelManifest::readFile(path.string());
    // A writer that went wrong must not leave a row that breaks every reader.
    const std::string broken = "town\tTileMap.txt\t13\n";
    EXPECT_EQ(replaceRefusal(ManifestWriter(path.string()), read, broken),
              path.string() +
                  ":1: error: 3 tab-separated columns, expected 7: name, file, "
                  "title, idea, difficulty, falls, openings");
    EXPECT_EQ(bytesOf(path), kLadder);
    const struct {
        std::string path;
        std::string message;
    } rows[] = {
        {folder.path.string(), "is not a plain file, so it cannot be replaced"},
        {"/dev/null", "is not a plain file, so it cannot be replaced"},
        {(folder.path / "none.tsv").string(), "cannot be replaced: No such file or directory"},
    };
    for (const auto& row : rows) {
        try {
            ManifestWriter(row.path).requireWritable();
            ADD_FAILURE() << row.path << " taken as writable";
        } catch (const ManifestError& error) {
            EXPECT_EQ(std::string(error.what()), row.path + ": error: " + row.message);
        }
    }
}

}  // namespace
