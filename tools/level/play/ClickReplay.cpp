#include "play/ClickReplay.hpp"

#include "toolkit/Random.hpp"

const RecordedClick* ClickReplay::due(std::uint32_t stepCount) {
    if (finished() || clicks[next].click.step != stepCount) {
        return nullptr;
    }
    return &clicks[next++];
}

int ClickReplay::showHeadless(const TileMap& level, std::uint32_t seed,
                              std::vector<RecordedClick> clicks, int frames, std::uint32_t every,
                              const std::function<void(const WorldState&)>& show) {
    // Seeded as SeedRun seeds the recorded game, before the World draws its headings.
    tk::setRandomSeed(seed);
    HeadlessGame game(level);
    game.start();
    ClickReplay replay(std::move(clicks));
    int shown = 0;
    while (shown < frames) {
        show(game.worldState());
        ++shown;
        if (game.isLost()) {
            break;
        }
        for (std::uint32_t pass = 0; pass < every; ++pass) {
            while (const RecordedClick* click = replay.due(game.stepCount())) {
                game.click(click->click.position);
            }
            game.dispatch();
        }
    }
    return shown;
}
