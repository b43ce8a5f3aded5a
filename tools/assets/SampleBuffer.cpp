#include "SampleBuffer.hpp"

#include <algorithm>
#include <cmath>

namespace assetgen {

SampleBuffer::SampleBuffer(std::size_t length, unsigned sampleRate)
    : samples(length, 0.f), rate(sampleRate) {}

SampleBuffer SampleBuffer::ofSeconds(float seconds, unsigned sampleRate) {
    return SampleBuffer(static_cast<std::size_t>(std::lround(std::max(seconds, 0.f) * sampleRate)),
                        sampleRate);
}

std::size_t SampleBuffer::indexOf(float seconds) const {
    return static_cast<std::size_t>(std::lround(std::max(seconds, 0.f) * rate));
}

void SampleBuffer::mix(const SampleBuffer& other, std::size_t offset, float gain) {
    if (offset >= samples.size()) {
        return;
    }
    const std::size_t count = std::min(other.size(), samples.size() - offset);
    for (std::size_t i = 0; i < count; ++i) {
        samples[offset + i] += other[i] * gain;
    }
}

void SampleBuffer::mixWrapped(const SampleBuffer& other, std::size_t offset, float gain) {
    if (samples.empty()) {
        return;
    }
    std::size_t position = offset % samples.size();
    for (std::size_t i = 0; i < other.size(); ++i) {
        samples[position] += other[i] * gain;
        if (++position == samples.size()) {
            position = 0;
        }
    }
}

void SampleBuffer::scale(float gain) {
    for (float& sample : samples) {
        sample *= gain;
    }
}

void SampleBuffer::fadeIn(float seconds) {
    const std::size_t length = std::min(indexOf(seconds), samples.size());
    for (std::size_t i = 0; i < length; ++i) {
        samples[i] *= static_cast<float>(i) / static_cast<float>(length);
    }
}

void SampleBuffer::fadeOut(float seconds) {
    const std::size_t length = std::min(indexOf(seconds), samples.size());
    const std::size_t start = samples.size() - length;
    for (std::size_t i = 0; i < length; ++i) {
        // Reaches exactly zero on the last sample.
        samples[start + i] *= static_cast<float>(length - 1 - i) / static_cast<float>(length);
    }
}

float SampleBuffer::peak() const {
    float highest = 0.f;
    for (const float sample : samples) {
        highest = std::max(highest, std::abs(sample));
    }
    return highest;
}

float SampleBuffer::rms() const {
    if (samples.empty()) {
        return 0.f;
    }
    double sum = 0.0;
    for (const float sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return static_cast<float>(std::sqrt(sum / static_cast<double>(samples.size())));
}

void SampleBuffer::saturate(float ceiling) {
    const float knee = 0.6f * ceiling;
    const float room = ceiling - knee;
    for (float& sample : samples) {
        const float magnitude = std::abs(sample);
        if (magnitude > knee) {
            // Slope 1 at the knee, so the bend cannot be heard as a corner.
            sample = std::copysign(knee + room * std::tanh((magnitude - knee) / room), sample);
        }
    }
}

void SampleBuffer::level(float targetRms, float ceiling) {
    // Saturation lowers the RMS a little, so settle the two in a few rounds.
    for (int round = 0; round < 4; ++round) {
        const float current = rms();
        if (current <= 0.f) {
            return;
        }
        scale(targetRms / current);
        saturate(ceiling);
    }
}

std::vector<sf::Int16> SampleBuffer::toPcm() const {
    std::vector<sf::Int16> pcm;
    pcm.reserve(samples.size());
    for (const float sample : samples) {
        pcm.push_back(static_cast<sf::Int16>(std::lround(std::clamp(sample, -1.f, 1.f) * 32767.f)));
    }
    return pcm;
}

}  // namespace assetgen
