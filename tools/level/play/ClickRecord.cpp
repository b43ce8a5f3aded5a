#include "play/ClickRecord.hpp"

#include "play/ReferencePlayers.hpp"

void ClickRecorder::act(HeadlessGame& game) {
    if (listenedTo != &game) {
        game.listen([this](const HeadlessGame::Click& click) { record.push_back({click, {}}); });
        listenedTo = &game;
    }
    const std::size_t before = record.size();
    player.act(game);
    // The player can say why only once it has made up its mind and clicked.
    for (std::size_t i = before; i < record.size(); ++i) {
        record[i].reason = player.reason();
    }
}

GameRecord GameRecord::play(const TileMap& level, std::uint32_t seed, SeedRun::Limits limits,
                            Player& player, const std::function<void()>& onTimePoint) {
    ClickRecorder recorder(player);
    GameRecord game;
    game.run = SeedRun::play(level, seed, limits, recorder, onTimePoint);
    game.clicks = recorder.clicks();
    return game;
}

GameRecord GameRecord::playAs(const std::string& name, const TileMap& level, std::uint32_t seed,
                              int timePoints, int jobs, const Progress& progress) {
    OpeningSearch::Settings settings;
    settings.timePoints = timePoints;
    settings.jobs = jobs;
    const std::unique_ptr<Player> player =
        ReferencePlayers::maker(name, level, settings, progress)();
    const auto total = static_cast<std::size_t>(timePoints);
    std::size_t done = 0;
    progress(0, total);
    return play(level, seed, {timePoints}, *player, [&] { progress(++done, total); });
}
