#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "play/ClickRecord.hpp"

class TileMap;
struct WorldState;

// Gives a recorded game's clicks back in order, each when the game played again has its clock
// at the step the click was made at, before that step runs, as the player made it. A jump back
// brings the clock to a step it has passed, so a step alone does not say which click is next:
// the order does.
class ClickReplay {
public:
    explicit ClickReplay(std::vector<RecordedClick> clicks) : clicks(std::move(clicks)) {}

    // The next click if it is due at this clock, or none; ask again after making it, since a
    // click on the timeline moves the clock.
    const RecordedClick* due(std::uint32_t stepCount);
    bool finished() const { return next == clicks.size(); }

    // Plays a recorded game again without a window, from the seed it was played from, and shows
    // the town once every `every` passes of the game's loop, as someone watching it would see
    // it then, `frames` times or until the game is lost. Returns the number shown.
    static int showHeadless(const TileMap& level, std::uint32_t seed,
                            std::vector<RecordedClick> clicks, int frames, std::uint32_t every,
                            const std::function<void(const WorldState&)>& show);

private:
    std::vector<RecordedClick> clicks;
    std::size_t next = 0;
};
