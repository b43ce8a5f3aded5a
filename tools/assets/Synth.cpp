#include "Synth.hpp"

#include <algorithm>
#include <cmath>

#include "Angles.hpp"

namespace assetgen {

namespace {

float waveAt(Waveform waveform, float phase) {
    switch (waveform) {
        case Waveform::Sine:
            return std::sin(kTwoPi * phase);
        case Waveform::Triangle:
            return 1.f - 4.f * std::abs(phase - 0.5f);
        case Waveform::Saw:
            return 2.f * phase - 1.f;
    }
    return 0.f;
}

}  // namespace

PitchCurve Synth::steady(float hz) {
    return [hz](float) { return hz; };
}

PitchCurve Synth::glide(float fromHz, float toHz, float seconds) {
    const float ratio = toHz / fromHz;
    return [=](float t) { return fromHz * std::pow(ratio, std::min(t / seconds, 1.f)); };
}

SampleBuffer Synth::tone(float seconds, Waveform waveform, const PitchCurve& pitch,
                         const Envelope& envelope) {
    SampleBuffer buffer = SampleBuffer::ofSeconds(seconds);
    double phase = 0.0;  // double, so long notes keep their pitch
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const float t = buffer.timeOf(i);
        buffer[i] = waveAt(waveform, static_cast<float>(phase)) * envelope.at(t);
        phase += static_cast<double>(pitch(t)) / buffer.sampleRate();
        phase -= std::floor(phase);
    }
    return buffer;
}

SampleBuffer Synth::noise(Noise& noise, float seconds, const Envelope& envelope) {
    SampleBuffer buffer = SampleBuffer::ofSeconds(seconds);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = noise.signedUnit() * envelope.at(buffer.timeOf(i));
    }
    return buffer;
}

SampleBuffer Synth::strike(float seconds, const std::vector<Mode>& modes, float attack) {
    SampleBuffer buffer = SampleBuffer::ofSeconds(seconds);
    for (const Mode& mode : modes) {
        const Envelope envelope{attack, 0.f, mode.decay};
        for (std::size_t i = 0; i < buffer.size(); ++i) {
            const float t = buffer.timeOf(i);
            buffer[i] += mode.gain * std::sin(kTwoPi * mode.hz * t) * envelope.at(t);
        }
    }
    return buffer;
}

SampleBuffer Synth::pluck(Noise& noise, float hz, float seconds, float brightness) {
    SampleBuffer buffer = SampleBuffer::ofSeconds(seconds);
    const auto period = static_cast<std::size_t>(
        std::max(2l, std::lround(static_cast<float>(buffer.sampleRate()) / hz)));
    std::vector<float> line(period);
    float smoothed = 0.f;
    for (float& value : line) {
        // A duller burst for a softer, rounder pluck.
        smoothed += brightness * (noise.signedUnit() - smoothed);
        value = smoothed;
    }
    // Loss per round trip, chosen so a note rings for about a second whatever its pitch.
    const float loss = std::pow(0.001f, 1.f / (1.2f * hz));
    std::size_t position = 0;
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const float current = line[position];
        const float next = line[(position + 1) % period];
        buffer[i] = current;
        // Averaging neighbours is the string's own damping of the treble.
        line[position] = loss * 0.5f * (current + next);
        position = (position + 1) % period;
    }
    buffer.fadeIn(0.003f);
    buffer.fadeOut(0.05f);
    return buffer;
}

void Synth::filter(SampleBuffer& buffer, Biquad::Kind kind, float hz, float q) {
    Biquad section(kind, hz, q, buffer.sampleRate());
    section.processAll(buffer);
}

void Synth::sweep(SampleBuffer& buffer, Biquad::Kind kind, float fromHz, float toHz, float q) {
    Biquad section(kind, fromHz, q, buffer.sampleRate());
    const float ratio = toHz / fromHz;
    const float length = static_cast<float>(std::max<std::size_t>(buffer.size(), 1));
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        if (i % 16 == 0) {
            section.tune(fromHz * std::pow(ratio, static_cast<float>(i) / length), q);
        }
        buffer[i] = section.process(buffer[i]);
    }
}

float Synth::noteHz(int note) {
    return 440.f * std::pow(2.f, static_cast<float>(note - 69) / 12.f);
}

}  // namespace assetgen
