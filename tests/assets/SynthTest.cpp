#include <gtest/gtest.h>

#include <cmath>

#include "Synth.hpp"

using namespace assetgen;

namespace {

int zeroCrossings(const SampleBuffer& buffer, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        count += (buffer[i - 1] < 0.f) != (buffer[i] < 0.f);
    }
    return count;
}

// The strongest repeat period between 50 Hz and 1000 Hz, as a frequency: the pitch a listener
// hears even when overtones cross zero many more times.
float pitchOf(const SampleBuffer& buffer, std::size_t from, std::size_t to) {
    const std::size_t shortest = buffer.sampleRate() / 1000;
    const std::size_t longest = buffer.sampleRate() / 50;
    std::size_t bestLag = shortest;
    float best = -1e30f;
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        float sum = 0.f;
        for (std::size_t i = from; i + lag < to; ++i) {
            sum += buffer[i] * buffer[i + lag];
        }
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    return static_cast<float>(buffer.sampleRate()) / static_cast<float>(bestLag);
}

}  // namespace

TEST(SynthTest, ToneSoundsAtItsPitchAndGlideSettlesOnTheTarget) {
    const SampleBuffer steady =
        Synth::tone(1.f, Waveform::Sine, Synth::steady(300.f), {0.001f, 2.f, 1.f});
    EXPECT_NEAR(zeroCrossings(steady, 0, steady.size()), 600, 2);
    const PitchCurve fall = Synth::glide(400.f, 100.f, 0.5f);
    EXPECT_FLOAT_EQ(fall(0.f), 400.f);
    EXPECT_NEAR(fall(0.25f), 200.f, 0.01f);
    EXPECT_NEAR(fall(0.9f), 100.f, 0.01f);
}

TEST(SynthTest, PluckRingsAtItsPitchAndDiesAway) {
    Noise noise(3);
    const SampleBuffer string = Synth::pluck(noise, 220.f, 1.5f, 0.5f);
    const std::size_t tenth = string.indexOf(0.1f);
    // The delay line is a whole number of samples, so allow a few cents of mistuning.
    EXPECT_NEAR(pitchOf(string, tenth, 3 * tenth), 220.f, 3.f);
    SampleBuffer early(tenth);
    SampleBuffer late(tenth);
    early.mix(string, 0);
    for (std::size_t i = 0; i < tenth; ++i) {
        late[i] = string[string.indexOf(1.2f) + i];
    }
    EXPECT_LT(late.rms(), early.rms() / 10.f);
    EXPECT_FLOAT_EQ(string[0], 0.f);
    EXPECT_FLOAT_EQ(string[string.size() - 1], 0.f);
}

TEST(SynthTest, LowPassKeepsTheBassAndStopsTheTreble) {
    const Envelope held{0.001f, 2.f, 1.f};
    SampleBuffer low = Synth::tone(0.5f, Waveform::Sine, Synth::steady(100.f), held);
    SampleBuffer high = Synth::tone(0.5f, Waveform::Sine, Synth::steady(10000.f), held);
    const float before = low.rms();
    Synth::filter(low, Biquad::Kind::LowPass, 1000.f, 0.7f);
    Synth::filter(high, Biquad::Kind::LowPass, 1000.f, 0.7f);
    EXPECT_NEAR(low.rms(), before, 0.02f);
    EXPECT_LT(high.rms(), before / 50.f);
}
