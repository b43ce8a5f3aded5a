#include "Biquad.hpp"

#include <algorithm>
#include <cmath>

#include "Angles.hpp"

namespace assetgen {

Biquad::Biquad(Kind kind, float frequency, float q, unsigned sampleRate)
    : kind(kind), sampleRate(sampleRate) {
    tune(frequency, q);
}

void Biquad::tune(float frequency, float q) {
    // Keep clear of the Nyquist frequency and of zero, where the formulas break down.
    const float nyquist = static_cast<float>(sampleRate) / 2.f;
    const float f = std::clamp(frequency, 10.f, 0.95f * nyquist);
    const float w = kTwoPi * f / static_cast<float>(sampleRate);
    const float alpha = std::sin(w) / (2.f * std::max(q, 0.05f));
    const float cosine = std::cos(w);
    const float a0 = 1.f + alpha;
    switch (kind) {
        case Kind::LowPass:
            b0 = (1.f - cosine) / 2.f;
            b1 = 1.f - cosine;
            b2 = b0;
            break;
        case Kind::HighPass:
            b0 = (1.f + cosine) / 2.f;
            b1 = -(1.f + cosine);
            b2 = b0;
            break;
        case Kind::BandPass:  // peak gain of one at the centre
            b0 = alpha;
            b1 = 0.f;
            b2 = -alpha;
            break;
    }
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
    a1 = -2.f * cosine / a0;
    a2 = (1.f - alpha) / a0;
}

float Biquad::process(float input) {
    const float output = b0 * input + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = input;
    y2 = y1;
    y1 = output;
    return output;
}

void Biquad::processAll(SampleBuffer& buffer) {
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = process(buffer[i]);
    }
}

}  // namespace assetgen
