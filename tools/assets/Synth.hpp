#pragma once

#include <functional>
#include <vector>

#include "Biquad.hpp"
#include "Envelope.hpp"
#include "Noise.hpp"
#include "SampleBuffer.hpp"

namespace assetgen {

enum class Waveform { Sine, Triangle, Saw };

// The frequency in hertz that an oscillator plays at a given time (in seconds) into its note.
using PitchCurve = std::function<float(float)>;

// One partial of a struck object: its frequency, its level and how fast it dies away.
struct Mode {
    float hz;
    float gain;
    float decay;
};

// The handful of sound sources that every effect and every instrument is built from.
class Synth {
public:
    static PitchCurve steady(float hz);

    // An exponential slide from one pitch to another over `seconds`, then held: the drop that
    // makes thumps and booms sound heavy.
    static PitchCurve glide(float fromHz, float toHz, float seconds);

    static SampleBuffer tone(float seconds, Waveform waveform, const PitchCurve& pitch,
                             const Envelope& envelope);

    static SampleBuffer noise(Noise& noise, float seconds, const Envelope& envelope);

    // A struck object as a sum of decaying sine partials (wood, metal, teeth).
    static SampleBuffer strike(float seconds, const std::vector<Mode>& modes, float attack);

    // A plucked string (a noise burst circulating in a damped delay line). `brightness` in (0, 1]
    // sets how much treble the burst starts with.
    static SampleBuffer pluck(Noise& noise, float hz, float seconds, float brightness);

    static void filter(SampleBuffer& buffer, Biquad::Kind kind, float hz, float q);

    // A filter whose frequency slides exponentially from `fromHz` to `toHz` over the buffer.
    static void sweep(SampleBuffer& buffer, Biquad::Kind kind, float fromHz, float toHz, float q);

    // Equal temperament, A4 = 440 Hz at note number 69.
    static float noteHz(int note);
};

}  // namespace assetgen
