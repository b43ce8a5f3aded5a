#pragma once

#include <SFML/Config.hpp>
#include <cstddef>
#include <vector>

namespace assetgen {

// Mono audio as floats in [-1, 1], with the mixing and levelling that every sound and the music
// share before they are written as 16-bit files.
class SampleBuffer {
public:
    static constexpr unsigned kSampleRate = 44100;

    explicit SampleBuffer(std::size_t length = 0, unsigned sampleRate = kSampleRate);

    // A silent buffer of the given length, rounded to whole samples.
    static SampleBuffer ofSeconds(float seconds, unsigned sampleRate = kSampleRate);

    std::size_t size() const { return samples.size(); }
    unsigned sampleRate() const { return rate; }
    float duration() const { return static_cast<float>(samples.size()) / rate; }
    // The time of a sample, in seconds.
    float timeOf(std::size_t index) const { return static_cast<float>(index) / rate; }
    std::size_t indexOf(float seconds) const;

    float& operator[](std::size_t index) { return samples[index]; }
    float operator[](std::size_t index) const { return samples[index]; }

    // Adds `other` from `offset` on; whatever would run past the end is dropped.
    void mix(const SampleBuffer& other, std::size_t offset, float gain = 1.f);

    // Adds `other` from `offset` on and wraps what runs past the end round to the start, so that
    // a looping piece carries every ringing note across its seam.
    void mixWrapped(const SampleBuffer& other, std::size_t offset, float gain = 1.f);

    void scale(float gain);

    // Linear ramps from and to silence, so a sound never starts or ends with a click.
    void fadeIn(float seconds);
    void fadeOut(float seconds);

    float peak() const;
    float rms() const;

    // Leaves quiet samples alone and bends louder ones smoothly towards the ceiling, so peaks are
    // tamed without the harshness of hard clipping.
    void saturate(float ceiling);

    // Brings the whole buffer to the given RMS level while keeping every peak below the ceiling.
    void level(float targetRms, float ceiling);

    // Rounded 16-bit samples, the format of every file the game reads.
    std::vector<sf::Int16> toPcm() const;

private:
    std::vector<float> samples;
    unsigned rate;
};

}  // namespace assetgen
