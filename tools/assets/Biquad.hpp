#pragma once

#include "SampleBuffer.hpp"

namespace assetgen {

// A second-order filter section (the classic audio-cookbook forms). It can be retuned sample by
// sample without losing its state, which is what sweeping filters in the effects need.
class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };

    Biquad(Kind kind, float frequency, float q, unsigned sampleRate = SampleBuffer::kSampleRate);

    void tune(float frequency, float q);
    float process(float input);
    void processAll(SampleBuffer& buffer);

private:
    Kind kind;
    unsigned sampleRate;
    float b0 = 1.f, b1 = 0.f, b2 = 0.f, a1 = 0.f, a2 = 0.f;
    float x1 = 0.f, x2 = 0.f, y1 = 0.f, y2 = 0.f;
};

}  // namespace assetgen
