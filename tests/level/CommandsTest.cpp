#include <gtest/gtest.h>
#include <sys/wait.h>

#include <SFML/Graphics/Image.hpp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PlayTestLevels.hpp"
#include "assets/TempFolder.hpp"

namespace {

struct Outcome {
    int status;
    std::string output;
    std::string errors;
};

// Runs a shell command and keeps what it writes on its standard output and error.
Outcome shell(const std::string& command) {
    const TempFolder folder("errors");
    const std::string errors = (folder.path / "stderr").string();
    FILE* pipe = ::popen((command + " 2>" + errors).c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    std::ostringstream said;
    said << std::ifstream(errors).rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output, said.str()};
}

// Runs the staged program.
Outcome run(const std::string& arguments) {
    return shell(std::string(ZEMBROOK_LEVEL_TOOL) + " " + arguments);
}

std::string write(const TempFolder& folder, const std::string& name, const std::string& text) {
    const std::string path = (folder.path / name).string();
    std::ofstream(path) << text;
    return path;
}

std::vector<std::vector<std::string>> csvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string field; std::getline(cells, field, ',');) {
            fields.push_back(field);
        }
        rows.push_back(fields);
    }
    return rows;
}

TEST(CommandsTest, CheckExitsZeroWhenCleanOneOnErrorsTwoOnBadUsage) {
    const TempFolder folder("check");
    const std::string broken = write(folder, "broken.txt", "3\n1 1 1\n1 0 1\n1 1\n");
    const Outcome clean = run(std::string("check ") + ZEMBROOK_LEVEL_FILE);
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.output.find("error:"), std::string::npos);
    const Outcome failed = run(std::string("check ") + ZEMBROOK_LEVEL_FILE + " " + broken);
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.output.find(broken + ":4:4: error: only 8 of the 9"), std::string::npos);
    EXPECT_EQ(run("check").status, 2);
    EXPECT_EQ(run("check --strict " + broken).status, 2);
    EXPECT_EQ(run("inspect " + broken).status, 2);
    EXPECT_EQ(run("simulate " + broken + " --seeds 0").status, 2);
    EXPECT_EQ(run("simulate " + broken).status, 1);
}

TEST(CommandsTest, SimulateGivesTheSameOutputEveryTimeAndWithOneJobOrTwo) {
    const std::string level = ZEMBROOK_LEVEL_FILE;
    const Outcome first = run("simulate " + level + " --seeds 3 --minutes 1 --jobs 2");
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(run("simulate " + level + " --seeds 3 --minutes 1 --jobs 2").output, first.output);
    EXPECT_EQ(run("simulate " + level + " --seeds 3 --minutes 1 --jobs 1").output, first.output);
    EXPECT_NE(first.output.find("   20   1:00"), std::string::npos);
}

// The players' games and the openings are spread over processes: the same arguments must print
// the same, and paint the same picture, however many run at once.
TEST(CommandsTest, PlayersAndOpeningsGiveTheSameOutputEveryTimeAndWithOneJobOrTwo) {
    const TempFolder folder("players");
    const std::string level = write(folder, "yard.txt", playtest::kYard);
    const auto players = [&](int jobs) {
        return run("simulate " + level + " --player all --csv --seeds 3 --minutes 2 --jobs " +
                   std::to_string(jobs));
    };
    const auto openings = [&](int jobs) {
        const std::string picture = (folder.path / ("o" + std::to_string(jobs) + ".png")).string();
        const Outcome outcome = run("openings " + level + " " + picture +
                                    " --seeds 3 --minutes 2 --jobs " + std::to_string(jobs));
        std::ifstream painted(picture, std::ios::binary);
        return outcome.output + std::string(std::istreambuf_iterator<char>(painted), {});
    };
    const Outcome first = players(2);
    ASSERT_EQ(first.status, 0);
    const auto rows = csvRows(first.output);
    ASSERT_EQ(rows.size(), 1u + 5u * 3u);
    EXPECT_EQ(rows[1][0], "idle");
    EXPECT_FALSE(rows[1].back().empty()) << "the difficulty";
    EXPECT_EQ(players(2).output, first.output);
    EXPECT_EQ(players(1).output, first.output);
    const std::string painted = openings(2);
    EXPECT_NE(painted.find(" openings hold every seed\n"), std::string::npos);
    EXPECT_EQ(openings(1), painted);
}

TEST(CommandsTest, SimulateCsvHasOneRowPerSeedAndTimePointEndingAtTheLoss) {
    const TempFolder folder("csv");
    const std::string zombies = write(folder, "zombies.txt", "3\n1 1 1\n1 2 1\n1 1 1\n");
    const auto lost = csvRows(run("simulate " + zombies + " --seeds 2 --minutes 1 --csv").output);
    ASSERT_EQ(lost.size(), 3u);
    EXPECT_EQ(lost[0], (std::vector<std::string>{"seed", "time_point", "seconds", "zombies",
                                                 "humans", "zombie_share"}));
    EXPECT_EQ(lost[1], (std::vector<std::string>{"1", "1", "3", "1", "0", "1.0000"}));
    EXPECT_EQ(lost[2], (std::vector<std::string>{"2", "1", "3", "1", "0", "1.0000"}));

    const auto played =
        csvRows(run(std::string("simulate ") + ZEMBROOK_LEVEL_FILE + " --seeds 2 --minutes 1 --csv")
                    .output);
    ASSERT_EQ(played.size(), 1u + 2u * 20u);
    for (std::size_t row = 1; row < played.size(); ++row) {
        const auto& fields = played[row];
        ASSERT_EQ(fields.size(), 6u);
        EXPECT_EQ(std::stoi(fields[0]), row <= 20 ? 1 : 2);
        EXPECT_EQ(std::stoi(fields[1]), static_cast<int>((row - 1) % 20 + 1));
        EXPECT_EQ(std::stoi(fields[2]), 3 * std::stoi(fields[1]));
        const double zombies = std::stod(fields[3]);
        EXPECT_NEAR(std::stod(fields[5]), zombies / (zombies + std::stod(fields[4])), 5e-5);
    }
}

// Output lost on a full disk is a failure, whichever output it was.
TEST(CommandsTest, EveryOutputIntoAFullDiskEndsWithStatusOneAndSaysSo) {
    const std::string level = ZEMBROOK_LEVEL_FILE;
    const std::string kFull[] = {
        "check " + level + " >/dev/full",
        "simulate " + level + " --seeds 1 --minutes 1 >/dev/full",
        "simulate " + level + " --seeds 1 --minutes 1 --csv >/dev/full",
        "render " + level + " /dev/full",
        "--help >/dev/full",
    };
    for (const std::string& arguments : kFull) {
        SCOPED_TRACE(arguments);
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_NE(outcome.errors.find("zembrook-level: error: cannot write"), std::string::npos)
            << outcome.errors;
        EXPECT_NE(outcome.errors.find("No space left on device"), std::string::npos);
    }
}

TEST(CommandsTest, RenderPaintsALevelWithErrorsButExitsOne) {
    const TempFolder folder("render");
    const std::string breached = write(folder, "breached.txt", "3\n1 1 1\n0 2 1\n1 1 1\n");
    const std::string picture = (folder.path / "breached.png").string();
    EXPECT_EQ(run("render " + breached + " " + picture + " --cell 7").status, 1);
    sf::Image painted;
    ASSERT_TRUE(painted.loadFromFile(picture));
    EXPECT_EQ(painted.getSize(), sf::Vector2u(21, 21));
}

TEST(CommandsTest, RenderRefusesAPictureOver16384PixelsASideAndNamesACellThatFits) {
    const TempFolder folder("large");
    std::string text = "512\n";
    for (int cell = 0; cell < 512 * 512; ++cell) {
        const int row = cell / 512;
        const int column = cell % 512;
        text += row == 0 || column == 0 || row == 511 || column == 511 ? "1 " : "0 ";
    }
    const std::string level = write(folder, "large.txt", text);
    const std::string picture = (folder.path / "large.png").string();
    const Outcome refused = run("render " + level + " " + picture + " --cell 33");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("16896 pixels a side, more than the 16384"), std::string::npos)
        << refused.errors;
    EXPECT_NE(refused.errors.find("--cell 32 fits"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(picture));
}

}  // namespace

namespace {

std::string contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs a shell command in the folder, $L standing for the staged program, $LONG for a path
// longer than the system takes and $NAME for a file name longer than it takes.
Outcome runIn(const std::filesystem::path& folder, const std::string& command) {
    std::string longPath;
    while (longPath.size() < 4200) {
        longPath += "a/";
    }
    return shell("cd '" + folder.string() + "' && export L='" + ZEMBROOK_LEVEL_TOOL + "' LONG='" +
                 longPath + "x' NAME='" + std::string(300, 'n') + "' && " + command);
}

}  // namespace

// A careless command line loses no file: an output onto the level it reads, however reached,
// is refused before any work; "-" is standard output, never a file of that name, and never a
// terminal; a loop of links or a path too long is named as such; and --jobs beyond the
// processors plays on as many as there are, with a note.
TEST(CommandsTest, NoOutputLandsOnAnInputAndEveryRefusalSaysWhy) {
    struct Case {
        std::string command;
        int status;
        std::string said;  // on standard error, or on output for check and through a terminal
        int errorLines;    // -1: a report on standard error
        bool picture;      // a PNG on standard output
    };
    const std::string same =
        " is the same file as the level 'level.txt'; writing it would "
        "destroy the level, so nothing was written";
    const std::string loop = "its symbolic links go round in a loop";
    const Case kCases[] = {
        {"$L render level.txt level.txt", 1, "the picture 'level.txt'" + same, 1, false},
        {"$L render level.txt ./level.txt", 1, "the picture './level.txt'" + same, 1, false},
        {"$L render level.txt linked.png", 1, "the picture 'linked.png'" + same, 1, false},
        {"$L render level.txt hard.png", 1, "the picture 'hard.png'" + same, 1, false},
        {"$L openings level.txt linked.png --seeds 1", 1, "the picture 'linked.png'" + same, 1,
         false},
        {"$L render level.txt - >>level.txt", 1,
         "the picture would go to standard output, which is the same file as the level", 1, false},
        {"$L render level.txt -", 0, "", 0, true},
        {"$L openings level.txt - --seeds 1 --minutes 1", 0, "openings hold every seed", -1, true},
        {"script -qec '$L render level.txt -' /dev/null", 1,
         "the picture would go to standard output, which is a terminal", 0, false},
        {"$L render level.txt folder", 1, "cannot write the picture 'folder': it is a folder", 1,
         false},
        {"$L render level.txt none/x.png", 1, "the folder 'none': No such file or directory", 1,
         false},
        {"$L check loop.txt", 1, "loop.txt: error: cannot read 'loop.txt': " + loop, 0, false},
        {"$L render level.txt loop.txt", 1, "cannot write the picture 'loop.txt': " + loop, 1,
         false},
        {"$L render level.txt x.png --assets loop.txt", 1,
         "cannot read the picture loop.txt/textures/block.png: " + loop, 1, false},
        {"$L check $LONG", 1, "the path is too long: 4201 bytes, where the system takes at most", 0,
         false},
        {"$L check $NAME", 1, "the path is too long: a name in it", 0, false},
        {"$L simulate level.txt --seeds 2 --minutes 1 --jobs 100000", 0,
         "zembrook-level: note: --jobs 100000 is more than the ", 1, false},
    };
    const TempFolder folder("refusals");
    const std::string level = contents(ZEMBROOK_LEVEL_FILE);
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.command);
        std::filesystem::remove_all(folder.path);
        std::filesystem::create_directories(folder.path / "folder");
        write(folder, "level.txt", level);
        std::filesystem::create_symlink("level.txt", folder.path / "linked.png");
        std::filesystem::create_hard_link(folder.path / "level.txt", folder.path / "hard.png");
        std::filesystem::create_symlink("loop.txt", folder.path / "loop.txt");

        const Outcome outcome = runIn(folder.path, test.command);
        EXPECT_EQ(outcome.status, test.status) << outcome.errors;
        EXPECT_NE((outcome.errors + outcome.output).find(test.said), std::string::npos)
            << outcome.errors << outcome.output;
        if (test.errorLines >= 0) {
            EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'),
                      test.errorLines)
                << outcome.errors;
        }
        EXPECT_EQ(outcome.output.rfind("\x89PNG\r\n", 0) == 0, test.picture);
        EXPECT_EQ(contents(folder.path / "level.txt"), level);
        EXPECT_FALSE(std::filesystem::exists(folder.path / "-"));
    }
}

// With the processes it may start limited, the pool cannot start its second worker: the first
// is stopped and reaped, and one line says why. Root's processes are never limited, so as root
// the program runs as nobody.
TEST(CommandsTest, AWorkerThatCannotStartEndsTheRunWithOneMessageAndNoProcessLeft) {
    if (::sysconf(_SC_NPROCESSORS_ONLN) < 2) {
        GTEST_SKIP() << "one processor: one worker, which always starts";
    }
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root, to run the program as a user of its own";
    }
    const TempFolder folder("limited");
    const std::string session = (folder.path / "session").string();
    const Outcome outcome =
        shell("setsid --wait bash -c 'echo $$ >" + session +
              "; ulimit -u 2; exec setpriv --reuid=65534 --regid=65534 --clear-groups " +
              ZEMBROOK_LEVEL_TOOL + " simulate " + ZEMBROOK_LEVEL_FILE +
              " --seeds 40 --minutes 10 --jobs 2'");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors,
              "zembrook-level: error: cannot start worker 2 of 2: the limit of processes "
              "(ulimit -u) is reached\n");
    EXPECT_EQ(outcome.output, "");
    // The program led a session of its own, which its workers were in too.
    const pid_t leader = std::stoi(contents(session));
    errno = 0;
    EXPECT_EQ(::kill(-leader, 0), -1);
    EXPECT_EQ(errno, ESRCH) << "a process of the run is left";
}
