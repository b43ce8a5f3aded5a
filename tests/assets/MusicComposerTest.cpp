#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "MusicComposer.hpp"
#include "SoundEffects.hpp"

using assetgen::MusicComposer;
using assetgen::SampleBuffer;

namespace {

// Composing takes a moment; the tests share one piece.
const SampleBuffer& piece() {
    static const SampleBuffer loop = MusicComposer::compose();
    return loop;
}

}  // namespace

TEST(MusicComposerTest, PieceIsAWholeNumberOfBarsBetweenHalfAMinuteAndNinetySeconds) {
    EXPECT_EQ(piece().size(), MusicComposer::kLength);
    EXPECT_EQ(piece().size() % MusicComposer::kSamplesPerBar, 0u);
    EXPECT_GE(piece().duration(), 30.f);
    EXPECT_LE(piece().duration(), 90.f);
}

TEST(MusicComposerTest, EndFlowsIntoTheStartWithNoJump) {
    const SampleBuffer& loop = piece();
    std::vector<float> steps;
    for (std::size_t i = 1; i < loop.size(); ++i) {
        steps.push_back(std::abs(loop[i] - loop[i - 1]));
    }
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 9 / 10, steps.end());
    const float ordinaryStep = steps[steps.size() * 9 / 10];
    EXPECT_LE(std::abs(loop[0] - loop[loop.size() - 1]), ordinaryStep);
}

TEST(MusicComposerTest, NoQuarterSecondOfTheLoopFallsSilent) {
    const SampleBuffer& loop = piece();
    const std::size_t window = loop.indexOf(0.25f);
    for (std::size_t start = 0; start + window <= loop.size(); start += window) {
        SampleBuffer part(window);
        for (std::size_t i = 0; i < window; ++i) {
            part[i] = loop[start + i];
        }
        ASSERT_GT(part.rms(), 0.02f) << "at " << loop.timeOf(start) << " s";
    }
}

TEST(MusicComposerTest, MusicSitsBelowTheEffectsAndNeverClips) {
    // The game plays everything at full volume, so the mix is set in the files themselves.
    EXPECT_LT(piece().rms(), 0.8f * assetgen::SoundEffects::kTargetRms);
    EXPECT_GT(piece().rms(), 0.04f);
    EXPECT_LT(piece().peak(), 0.95f);
}
