#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/Game.hpp"
#include "app/SilentServices.hpp"
#include "assets/TempFolder.hpp"
#include "toolkit/ParticleSystem.hpp"

TEST(GameTest, TheGameStartsFromTheLevelFileInTheWorkingDirectory) {
    struct Case {
        const char* what;
        std::optional<std::string> levelFile;
        std::uint32_t size;
        std::size_t zombies;
    };
    // A 4 x 4 level: zombies at (1, 1) and (2, 2), a human at (2, 1), a turret at (1, 2).
    const Case cases[] = {
        {"a level file", "4  1 1 1 1  1 2 3 1  1 4 2 1  1 1 1 1", 4, 2},
        {"no level file", std::nullopt, 0, 0},
    };
    for (const Case& c : cases) {
        const TempFolder folder("game-test");
        if (c.levelFile) {
            std::ofstream(folder.path / "TileMap.txt") << *c.levelFile;
        }
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path);
        SilentWorldRenderer renderer;
        SilentSounds sounds;
        SilentHudRenderer hudRenderer;
        tk::ParticleSystem particles;
        const Game game({renderer, sounds, hudRenderer, particles});
        std::filesystem::current_path(previous);
        EXPECT_EQ(game.world().getState().tileMap.size, c.size) << c.what;
        EXPECT_EQ(game.world().getState().zombies.size(), c.zombies) << c.what;
        EXPECT_EQ(game.world().gold(), 80u) << c.what;
        EXPECT_EQ(game.hud().getBuildEntries().size(), 3u) << c.what;
    }
}
