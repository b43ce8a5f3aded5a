#include <gtest/gtest.h>

#include "SampleBuffer.hpp"

using assetgen::SampleBuffer;

namespace {

SampleBuffer filled(std::size_t length, float value) {
    SampleBuffer buffer(length);
    for (std::size_t i = 0; i < length; ++i) {
        buffer[i] = value;
    }
    return buffer;
}

}  // namespace

TEST(SampleBufferTest, WrappedMixCarriesTheTailRoundToTheStart) {
    SampleBuffer loop(10);
    loop.mixWrapped(filled(4, 1.f), 8, 0.5f);
    EXPECT_FLOAT_EQ(loop[8], 0.5f);
    EXPECT_FLOAT_EQ(loop[9], 0.5f);
    EXPECT_FLOAT_EQ(loop[0], 0.5f);
    EXPECT_FLOAT_EQ(loop[1], 0.5f);
    EXPECT_FLOAT_EQ(loop[2], 0.f);
    // An offset past the end starts from its remainder, and a note longer than the loop
    // goes round more than once.
    SampleBuffer small(3);
    small.mixWrapped(filled(7, 1.f), 4);
    EXPECT_FLOAT_EQ(small[0], 2.f);
    EXPECT_FLOAT_EQ(small[1], 3.f);
    EXPECT_FLOAT_EQ(small[2], 2.f);
}

TEST(SampleBufferTest, PlainMixDropsWhatRunsPastTheEnd) {
    SampleBuffer buffer(5);
    buffer.mix(filled(4, 1.f), 3);
    buffer.mix(filled(4, 1.f), 9);
    EXPECT_FLOAT_EQ(buffer[2], 0.f);
    EXPECT_FLOAT_EQ(buffer[3], 1.f);
    EXPECT_FLOAT_EQ(buffer[4], 1.f);
}

TEST(SampleBufferTest, FadesStartAndEndInExactSilence) {
    SampleBuffer buffer = filled(1000, 0.8f);
    buffer.fadeIn(0.001f);
    buffer.fadeOut(0.002f);
    EXPECT_FLOAT_EQ(buffer[0], 0.f);
    EXPECT_FLOAT_EQ(buffer[999], 0.f);
    EXPECT_FLOAT_EQ(buffer[500], 0.8f);
    EXPECT_LT(buffer[10], buffer[30]);
    // A fade longer than the sound covers it all without reading outside it.
    SampleBuffer tiny = filled(3, 1.f);
    tiny.fadeOut(1.f);
    EXPECT_FLOAT_EQ(tiny[2], 0.f);
}

TEST(SampleBufferTest, LevellingMeetsTheLoudnessWithPeaksUnderTheCeiling) {
    // A quiet hum with one loud crack: scaling to the loudness alone would clip the crack.
    SampleBuffer buffer(4000);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = (i % 2 == 0 ? 0.01f : -0.01f);
    }
    buffer[2000] = 0.9f;
    buffer.level(0.1f, 0.9f);
    EXPECT_NEAR(buffer.rms(), 0.1f, 0.01f);
    EXPECT_LT(buffer.peak(), 0.9f);
}

TEST(SampleBufferTest, SaturationLeavesQuietSamplesAloneAndNeverPassesTheCeiling) {
    SampleBuffer buffer(4);
    buffer[0] = 0.3f;
    buffer[1] = -0.5f;
    buffer[2] = 5.f;
    buffer[3] = -50.f;
    buffer.saturate(0.9f);
    EXPECT_FLOAT_EQ(buffer[0], 0.3f);
    EXPECT_FLOAT_EQ(buffer[1], -0.5f);
    EXPECT_GT(buffer[2], 0.8f);
    EXPECT_LE(buffer[2], 0.9f);
    EXPECT_GE(buffer[3], -0.9f);
}

TEST(SampleBufferTest, PcmRoundsAndClampsToSixteenBits) {
    SampleBuffer buffer(4);
    buffer[0] = 0.5f;
    buffer[1] = -1.f;
    buffer[2] = 1.5f;
    buffer[3] = -7.f;
    const std::vector<sf::Int16> pcm = buffer.toPcm();
    EXPECT_EQ(pcm[0], 16384);
    EXPECT_EQ(pcm[1], -32767);
    EXPECT_EQ(pcm[2], 32767);
    EXPECT_EQ(pcm[3], -32767);
}
