#include <gtest/gtest.h>

#include "PlayTestLevels.hpp"
#include "app/HeadlessGame.hpp"
#include "play/RulePlayer.hpp"
#include "play/SeedRun.hpp"

namespace {

// Notes which buildings the player put down, by watching the game it plays.
class BuildingsSeen final : public Player {
public:
    explicit BuildingsSeen(RulePlayer::Style style) : player(style) {}

    void act(HeadlessGame& game) override {
        player.act(game);
        const WorldState& state = game.worldState();
        mine = mine || !state.mines.empty();
        turret = turret || !state.turrets.empty();
    }

    bool built(std::int32_t code) const {
        return code == BuildMine ? mine : code == BuildTurret ? turret : mine || turret;
    }

    RulePlayer player;
    bool mine = false;
    bool turret = false;
};

}  // namespace

// Each rule-based player on a level where its rules find the right move: every seed holds,
// where the same level left alone falls on every seed.
TEST(RulePlayerTest, EachHoldsTheLevelItsFirstRuleFitsOnEverySeed) {
    struct Case {
        const char* level;
        RulePlayer::Style style;
        std::int32_t building;  // what its rules should come to, or NoObject for any building
    };
    const Case cases[] = {{playtest::kCorridor, RulePlayer::Style::Hasty, NoObject},
                          {playtest::kYard, RulePlayer::Style::Steady, BuildTurret}};
    for (const Case& c : cases) {
        const TileMap level = playtest::levelOf(c.level);
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE(std::string(c.level).substr(0, 2) + " seed " + std::to_string(seed));
            BuildingsSeen player(c.style);
            EXPECT_TRUE(SeedRun::play(level, seed, {200}, player).held());
            EXPECT_TRUE(player.built(c.building));
            EXPECT_FALSE(SeedRun::play(level, seed, 200).held());
        }
    }
}
