#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/SeedRun.hpp"

// The games of one level played by the reference players, for a person or a spreadsheet: per
// seed what was left and when things happened, the medians per player, and the difficulty.
class PlayerReport {
public:
    struct Games {
        std::string player;
        std::vector<SeedRun> runs;  // seed order
    };

    PlayerReport(std::string levelName, int minutes, std::vector<Games> games)
        : levelName(std::move(levelName)), minutes(minutes), games(std::move(games)) {}

    std::string table() const;
    // player,seed,humans_left,humans_share,last_zombie_fell,last_human_turned,game_lost,
    // gold_spent,jumps_back,jumps_forward,held,difficulty: seconds, empty for never;
    // difficulty on every row, empty unless every reference player was played.
    std::string csv() const;
    // The games of one player; none when it was not played.
    std::vector<SeedRun> runsOf(const std::string& player) const;
    // 0 to 100 once every reference player has been played.
    std::optional<int> difficulty() const;

private:
    std::string playerRows(const Games& player) const;

    std::string levelName;
    int minutes;
    std::vector<Games> games;
};
