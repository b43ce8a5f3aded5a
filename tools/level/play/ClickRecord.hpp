#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/HeadlessGame.hpp"
#include "play/Player.hpp"
#include "play/SeedRun.hpp"

// The player a game is recorded with when none is named: the strongest reference player.
constexpr const char* kStrongestPlayer = "plan";

// One click of a recorded game, with the reason its player gave for the move it belongs to.
struct RecordedClick {
    HeadlessGame::Click click;
    std::string reason;
};

// Plays as another player and keeps each of its clicks, in the order made, so that the game can
// be played again click for click, in a window or into a film. One recorder keeps one game.
class ClickRecorder final : public Player {
public:
    explicit ClickRecorder(Player& player) : player(player) {}
    ClickRecorder(const ClickRecorder&) = delete;
    ClickRecorder& operator=(const ClickRecorder&) = delete;

    void act(HeadlessGame& game) override;
    std::string reason() const override { return player.reason(); }

    const std::vector<RecordedClick>& clicks() const { return record; }

private:
    Player& player;
    std::vector<RecordedClick> record;
    const HeadlessGame* listenedTo = nullptr;
};

// A game played by a player from a seed, with its figures and every click it took.
struct GameRecord {
    SeedRun run;
    std::vector<RecordedClick> clicks;

    static GameRecord play(
        const TileMap& level, std::uint32_t seed, SeedRun::Limits limits, Player& player,
        const std::function<void()>& onTimePoint = [] {});

    // Counts the thinking done towards a total, for a line that shows it: the searching
    // player's search first, then the game itself.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    // The same by a reference player's name, made as the simulator makes it for its figures:
    // the searching player takes the first move that holds best on seeds 1 to 8, searched
    // with `jobs` processes at once.
    static GameRecord playAs(const std::string& name, const TileMap& level, std::uint32_t seed,
                             int timePoints, int jobs, const Progress& progress);
};
