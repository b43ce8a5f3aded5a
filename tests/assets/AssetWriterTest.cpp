#include <gtest/gtest.h>
#include <sys/wait.h>

#include <SFML/Graphics/Image.hpp>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "AssetWriter.hpp"
#include "TempFolder.hpp"

using assetgen::AssetWriter;
namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> filesUnder(const fs::path& root) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.push_back(fs::relative(entry.path(), root));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

int runTool(const std::string& arguments) {
    const int status =
        std::system((std::string(ZEMBROOK_ASSET_TOOL) + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(AssetWriterTest, EveryRunWritesTheSameBytesInProcessAndFromTheBuild) {
    TempFolder first("assets-first");
    TempFolder second("assets-second");
    ASSERT_TRUE(AssetWriter(first.path).writeAll());
    ASSERT_TRUE(AssetWriter(second.path).writeAll());
    const std::vector<fs::path> files = filesUnder(first.path);
    ASSERT_EQ(files.size(), 17u);
    ASSERT_EQ(files, filesUnder(second.path));
    // The staged tree was written by the tool in a process of its own.
    const fs::path staged = fs::path(ZEMBROOK_STAGE_DIR) / "assets";
    for (const fs::path& file : files) {
        const std::string bytes = bytesOf(first.path / file);
        // Compared as a whole so that a failure names the file instead of dumping its bytes.
        EXPECT_TRUE(bytes == bytesOf(second.path / file)) << file << " differs between runs";
        EXPECT_TRUE(bytes == bytesOf(staged / file)) << file << " differs from the staged copy";
    }
}

TEST(AssetWriterTest, FolderThatCannotBeMadeIsReportedAsFailure) {
    TempFolder folder("assets-blocked");
    const fs::path blocker = folder.path / "not-a-folder";
    std::ofstream(blocker) << "a file where the asset folder should go";
    AssetWriter writer(blocker / "assets");
    EXPECT_FALSE(writer.writeAll());
    EXPECT_NE(writer.error().find("not-a-folder"), std::string::npos) << writer.error();
}

TEST(AssetWriterTest, ToolWritesAContactSheetAndExitsNonZeroOnBadUse) {
    TempFolder folder("assets-tool");
    const fs::path sheet = folder.path / "review" / "sheet.png";
    ASSERT_EQ(runTool("--contact-sheet " + sheet.string()), 0);
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(sheet.string()));
    // Every picture is shown enlarged, the 150-pixel build sheet among them.
    EXPECT_GT(image.getSize().y, 150u * 4);

    EXPECT_EQ(runTool(""), 2);
    EXPECT_EQ(runTool("--contact-sheet"), 2);
    const fs::path blocker = folder.path / "plain-file";
    std::ofstream(blocker) << "x";
    EXPECT_EQ(runTool((blocker / "assets").string()), 1);
}
