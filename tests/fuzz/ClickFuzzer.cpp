#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz/FuzzFailure.hpp"
#include "soak/PlayReferee.hpp"
#include "support/Levels.hpp"
#include "toolkit/Random.hpp"

// Bytes as a player's hand: which small level, then clicks anywhere on or around the window
// with runs of steps between them, game after game. The referee checks every rule of play
// after every command, as in the soak.
//
// Layout: byte 0 picks the level; then five bytes per click: x and y (16 bits each, little
// end first, folded onto the window and a margin around it) and the number of steps to run
// before the click (times four).

namespace {

// Enough steps for a town to fall and for its fall to reach the oldest time point (33 time
// points later), while keeping each input to a fraction of a second.
constexpr std::uint64_t kMostSteps = 12'000;
constexpr std::size_t kBytesPerClick = 5;

// Zombies in one corner and humans spread out: the town falls within a minute or so, which
// brings the end of the game within reach of a forward jump.
const char* const kSmallTown =
    "8\n"
    "1 1 1 1 1 1 1 1\n"
    "1 2 0 0 0 0 3 1\n"
    "1 2 4 0 0 0 0 1\n"
    "1 0 0 1 1 0 0 1\n"
    "1 0 0 1 1 0 6 1\n"
    "1 3 0 0 0 5 0 1\n"
    "1 0 0 0 0 0 3 1\n"
    "1 1 1 1 1 1 1 1\n";

// A zombie on a human: the first snapshot is overrun and the game ends at once.
const char* const kDoomedTown = "5\n1 1 1 1 1\n1 2 3 0 1\n1 0 0 0 1\n1 0 0 0 1\n1 1 1 1 1";

// No wall ring at all: only the edge of the grid holds the creatures in.
const char* const kOpenField = "3\n0 0 0\n2 0 3\n0 4 0";

TileMap levelFor(std::uint8_t choice) {
    switch (choice % 3) {
        case 0:
            return levels::read(kSmallTown);
        case 1:
            return levels::read(kDoomedTown);
        default:
            return levels::read(kOpenField);
    }
}

std::uint16_t wordAt(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

void stopOnFailure(const PlayReferee& referee) {
    if (!referee.failure().empty()) {
        fuzzFailure(referee.failure());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    tk::setRandomSeed(11);
    const TileMap level = levelFor(data[0]);
    PlayTally tally;
    std::unique_ptr<PlayReferee> referee;
    for (std::size_t at = 1; at + kBytesPerClick <= size && tally.steps < kMostSteps;
         at += kBytesPerClick) {
        if (!referee) {
            referee = std::make_unique<PlayReferee>(level, tally);
        }
        const float x = static_cast<float>(wordAt(data + at) % 1100) - 40.f;
        const float y = static_cast<float>(wordAt(data + at + 2) % 850) - 40.f;
        for (int step = 0; step < data[at + 4] * 4; ++step) {
            referee->dispatch();
        }
        stopOnFailure(*referee);
        const bool closed = referee->click({x, y});
        stopOnFailure(*referee);
        if (closed) {
            referee.reset();
        }
    }
    return 0;
}
