#pragma once

#include <cstddef>

#include "SampleBuffer.hpp"

namespace assetgen {

// Writes the background loop: a slow A-minor piece with a heartbeat kick, a low pulse, a bass
// line, a soft pad and sparse plucked notes. It is an exact whole number of bars long and every
// note that rings past the end is wrapped round to the start, so the game's endless loop has no
// seam to hear.
class MusicComposer {
public:
    static constexpr unsigned kSampleRate = SampleBuffer::kSampleRate;
    static constexpr unsigned kBeatsPerMinute = 98;
    static constexpr unsigned kSixteenthsPerBar = 16;
    static constexpr unsigned kBars = 24;

    static_assert(kSampleRate * 15 % kBeatsPerMinute == 0,
                  "a sixteenth note must be a whole number of samples");
    static constexpr std::size_t kSamplesPerSixteenth = kSampleRate * 15 / kBeatsPerMinute;
    static constexpr std::size_t kSamplesPerBar = kSamplesPerSixteenth * kSixteenthsPerBar;
    static constexpr std::size_t kLength = kSamplesPerBar * kBars;

    static constexpr float kTargetRms = 0.08f;
    static constexpr float kCeiling = 0.85f;

    static SampleBuffer compose();
};

}  // namespace assetgen
