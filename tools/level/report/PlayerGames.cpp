#include "report/PlayerGames.hpp"

#include "play/ReferencePlayers.hpp"
#include "play/SeedRun.hpp"

std::vector<PlayerReport::Games> PlayerGames::play(const TileMap& level,
                                                   const std::vector<std::string>& players,
                                                   const OpeningSearch::Settings& settings,
                                                   const Progress& progress,
                                                   const std::vector<OpeningResult>* searched) {
    std::vector<ReferencePlayers::Maker> makers;
    for (const std::string& name : players) {
        makers.push_back(ReferencePlayers::maker(name, level, settings, progress.search, searched));
    }
    // Item k is seed k % seeds + 1 of player k / seeds.
    const auto seeds = static_cast<std::uint32_t>(settings.seeds);
    std::vector<std::uint32_t> items;
    for (std::uint32_t i = 0; i < players.size() * seeds; ++i) {
        items.push_back(i);
    }
    const auto work = [&](std::uint32_t item, const GamePool::Tick& tick) {
        const std::unique_ptr<Player> player = makers[item / seeds]();
        const SeedRun run =
            SeedRun::play(level, item % seeds + 1, {settings.timePoints}, *player, tick);
        return run.serialize();
    };
    const std::size_t total = items.size() * static_cast<std::size_t>(settings.timePoints);
    const auto name = [&](std::uint32_t item) {
        return "the game of seed " + std::to_string(item % seeds + 1) + " played by " +
               players[item / seeds];
    };
    const std::vector<std::string> texts = GamePool::run(
        items, settings.jobs, work, name, [&](std::size_t ticks) { progress.games(ticks, total); });
    std::vector<PlayerReport::Games> games;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i % seeds == 0) {
            games.push_back({players[i / seeds], {}});
        }
        games.back().runs.push_back(SeedRun::parse(texts[i]));
    }
    return games;
}
