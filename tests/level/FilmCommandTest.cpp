#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "GifFrames.hpp"
#include "PlayTestLevels.hpp"
#include "assets/TempFolder.hpp"

namespace {

struct Outcome {
    int status;
    std::string errors;
};

Outcome film(const std::string& arguments, const TempFolder& folder) {
    const std::string errors = (folder.path / "stderr").string();
    const std::string command =
        std::string(ZEMBROOK_LEVEL_TOOL) + " film " + arguments + " >/dev/null 2>" + errors;
    const int status = std::system(command.c_str());
    std::ostringstream said;
    said << std::ifstream(errors).rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said.str()};
}

std::string readAll(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(FilmCommandTest, AFilmHasAFrameEveryHalfSecondAtTheCellSizeAsked) {
    const TempFolder folder("film");
    const std::string level = (folder.path / "yard.txt").string();
    std::ofstream(level) << playtest::kYard;
    struct Case {
        const char* options;
        std::size_t frames;
        unsigned side;
    };
    for (const Case& c :
         {Case{"--cell 5 --seconds 4", 8, 60}, Case{"--cell 3 --seconds 7", 14, 36}}) {
        SCOPED_TRACE(c.options);
        const std::string gif = (folder.path / "yard.gif").string();
        const Outcome outcome =
            film(level + " " + gif + " --player steady --seed 2 " + c.options, folder);
        ASSERT_EQ(outcome.status, 0) << outcome.errors;
        const GifFrames read = GifFrames::read(gif);
        EXPECT_EQ(read.frames.size(), c.frames);
        EXPECT_EQ(read.size, sf::Vector2u(c.side, c.side));
    }
}

TEST(FilmCommandTest, AFilmThatCannotBeWrittenWhereAskedIsRefusedAndWritesNothing) {
    const TempFolder folder("film-refused");
    const std::string level = (folder.path / "yard.txt").string();
    std::ofstream(level) << playtest::kYard;
    const std::string link = (folder.path / "link.gif").string();
    std::filesystem::create_symlink(level, link);
    const std::pair<std::string, const char*> cases[] = {
        {(folder.path / "no-such-folder" / "yard.gif").string(), "cannot write"},
        {level, "the film must go to another file"},
        {link, "the film must go to another file"},
    };
    for (const auto& [gif, said] : cases) {
        SCOPED_TRACE(gif);
        const Outcome outcome = film(level + " " + gif + " --player steady --seconds 2", folder);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_NE(outcome.errors.find(said), std::string::npos) << outcome.errors;
        EXPECT_EQ(readAll(level), playtest::kYard);
    }
    const Outcome wrong =
        film(level + " " + (folder.path / "x.gif").string() + " --player nobody", folder);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "x.gif"));
}

}  // namespace
