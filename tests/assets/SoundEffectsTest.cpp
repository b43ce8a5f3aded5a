#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "SoundEffects.hpp"
#include "Synth.hpp"

using namespace assetgen;

namespace {

constexpr std::array<float, 7> kBandCentres{80.f, 160.f, 320.f, 640.f, 1280.f, 2560.f, 5120.f};

// Share of the sound's energy in each octave band: a rough fingerprint of its colour.
std::array<float, kBandCentres.size()> bandProfile(const SampleBuffer& sound) {
    std::array<float, kBandCentres.size()> profile{};
    float total = 0.f;
    for (std::size_t band = 0; band < kBandCentres.size(); ++band) {
        SampleBuffer copy = sound;
        Synth::filter(copy, Biquad::Kind::BandPass, kBandCentres[band], 1.4f);
        profile[band] = copy.rms() * copy.rms();
        total += profile[band];
    }
    for (float& share : profile) {
        share /= total;
    }
    return profile;
}

// Energy over time in 20 ms steps, normalised: a rough fingerprint of its shape.
std::vector<float> loudnessCurve(const SampleBuffer& sound) {
    std::vector<float> curve;
    const std::size_t step = sound.indexOf(0.02f);
    for (std::size_t start = 0; start + step <= sound.size(); start += step) {
        float sum = 0.f;
        for (std::size_t i = start; i < start + step; ++i) {
            sum += sound[i] * sound[i];
        }
        curve.push_back(sum);
    }
    float total = 0.f;
    for (const float value : curve) {
        total += value;
    }
    for (float& value : curve) {
        value /= total;
    }
    return curve;
}

float distance(const std::vector<float>& a, const std::vector<float>& b) {
    float sum = 0.f;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const float x = i < a.size() ? a[i] : 0.f;
        const float y = i < b.size() ? b[i] : 0.f;
        sum += std::abs(x - y);
    }
    return sum;
}

}  // namespace

TEST(SoundEffectsTest, NoTwoEffectsShareBothTheirColourAndTheirShape) {
    const std::vector<SoundEffect> effects = SoundEffects::synthesiseAll();
    ASSERT_EQ(effects.size(), 6u);
    for (std::size_t i = 0; i < effects.size(); ++i) {
        const auto profileA = bandProfile(effects[i].samples);
        const std::vector<float> colourA(profileA.begin(), profileA.end());
        for (std::size_t j = i + 1; j < effects.size(); ++j) {
            const auto profileB = bandProfile(effects[j].samples);
            const std::vector<float> colourB(profileB.begin(), profileB.end());
            const float apart =
                distance(colourA, colourB) +
                distance(loudnessCurve(effects[i].samples), loudnessCurve(effects[j].samples));
            EXPECT_GT(apart, 0.3f) << effects[i].fileName << " vs " << effects[j].fileName;
        }
    }
}

TEST(SoundEffectsTest, ShotIsSharpAndExplosionIsLow) {
    const auto shot = bandProfile(SoundEffects::turretShoot());
    const auto blast = bandProfile(SoundEffects::mineDestroy());
    // Most of a blast's energy sits in the lowest two octaves; a shot reaches much higher.
    EXPECT_GT(blast[0] + blast[1], 0.5f);
    EXPECT_GT(shot[4] + shot[5] + shot[6], blast[4] + blast[5] + blast[6]);
    // A shot is over almost at once: nearly all its energy lies in its first tenth of a second.
    const SampleBuffer sound = SoundEffects::turretShoot();
    SampleBuffer head(sound.indexOf(0.1f));
    head.mix(sound, 0);
    const float headEnergy = head.rms() * head.rms() * static_cast<float>(head.size());
    const float allEnergy = sound.rms() * sound.rms() * static_cast<float>(sound.size());
    EXPECT_GT(headEnergy / allEnergy, 0.85f);
}
