#include "SoundEffects.hpp"

#include <cmath>

#include "Angles.hpp"
#include "Synth.hpp"

namespace assetgen {

namespace {

using Kind = Biquad::Kind;

SampleBuffer filtered(SampleBuffer buffer, Kind kind, float hz, float q) {
    Synth::filter(buffer, kind, hz, q);
    return buffer;
}

SampleBuffer swept(SampleBuffer buffer, Kind kind, float fromHz, float toHz, float q) {
    Synth::sweep(buffer, kind, fromHz, toHz, q);
    return buffer;
}

// Swells and dips the loudness rate times a second between base - swing and base + swing.
void tremolo(SampleBuffer& buffer, float base, float swing, float rate) {
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] *= base + swing * std::sin(kTwoPi * rate * buffer.timeOf(i));
    }
}

// A tiny burst of coloured noise: one grain of a crunch or one piece of falling debris.
SampleBuffer grain(Noise& noise, float hz, float decay) {
    return filtered(Synth::noise(noise, decay * 6.f, {0.0005f, 0.f, decay}), Kind::BandPass, hz,
                    2.f);
}

}  // namespace

std::vector<SoundEffect> SoundEffects::synthesiseAll() {
    return {
        {"turret-shoot.wav", turretShoot()},   {"zombie-hit.wav", zombieHit()},
        {"mine-destroy.wav", mineDestroy()},   {"zombie-attack.wav", zombieAttack()},
        {"zombie-turret.wav", zombieTurret()}, {"turret-destroy.wav", turretDestroy()},
    };
}

SampleBuffer SoundEffects::finish(SampleBuffer sound) {
    sound.fadeIn(0.001f);
    sound.fadeOut(0.02f);
    sound.level(kTargetRms, kCeiling);
    // Fading again after levelling squares the ramps, so the edges start and end more softly.
    sound.fadeIn(0.001f);
    sound.fadeOut(0.02f);
    return sound;
}

SampleBuffer SoundEffects::turretShoot() {
    Noise noise(0x5eed0101u);
    SampleBuffer shot = SampleBuffer::ofSeconds(0.26f);
    shot.mix(
        filtered(Synth::noise(noise, 0.1f, {0.0003f, 0.f, 0.012f}), Kind::HighPass, 1800.f, 0.7f),
        0, 1.1f);
    shot.mix(
        filtered(Synth::noise(noise, 0.2f, {0.0005f, 0.f, 0.035f}), Kind::BandPass, 950.f, 0.8f), 0,
        1.2f);
    shot.mix(
        Synth::tone(0.2f, Waveform::Sine, Synth::glide(230.f, 55.f, 0.05f), {0.001f, 0.f, 0.045f}),
        0, 0.9f);
    shot.mix(Synth::strike(0.05f, {{2700.f, 0.25f, 0.006f}, {4300.f, 0.15f, 0.004f}}, 0.0002f), 0);
    shot.mix(filtered(Synth::noise(noise, 0.26f, {0.004f, 0.f, 0.07f}), Kind::LowPass, 700.f, 0.7f),
             0, 0.35f);
    return finish(shot);
}

SampleBuffer SoundEffects::zombieHit() {
    Noise noise(0x5eed0102u);
    SampleBuffer hit = SampleBuffer::ofSeconds(0.3f);
    hit.mix(
        Synth::tone(0.25f, Waveform::Sine, Synth::glide(150.f, 58.f, 0.07f), {0.002f, 0.f, 0.07f}),
        0, 1.f);
    hit.mix(filtered(Synth::noise(noise, 0.2f, {0.001f, 0.f, 0.04f}), Kind::LowPass, 650.f, 1.f), 0,
            1.3f);
    // The squelch: narrow noise sliding down, wobbling like something wet.
    SampleBuffer squelch = swept(Synth::noise(noise, 0.22f, {0.012f, 0.02f, 0.05f}), Kind::BandPass,
                                 2200.f, 420.f, 5.f);
    tremolo(squelch, 0.6f, 0.4f, 38.f);
    hit.mix(squelch, hit.indexOf(0.008f), 1.6f);
    return finish(hit);
}

SampleBuffer SoundEffects::mineDestroy() {
    Noise noise(0x5eed0103u);
    SampleBuffer blast = SampleBuffer::ofSeconds(0.58f);
    blast.mix(
        filtered(Synth::noise(noise, 0.12f, {0.0003f, 0.f, 0.018f}), Kind::HighPass, 900.f, 0.7f),
        0, 0.7f);
    blast.mix(
        Synth::tone(0.58f, Waveform::Sine, Synth::glide(95.f, 30.f, 0.35f), {0.002f, 0.03f, 0.2f}),
        0, 1.f);
    blast.mix(swept(Synth::noise(noise, 0.58f, {0.003f, 0.02f, 0.17f}), Kind::LowPass, 2600.f,
                    140.f, 0.8f),
              0, 1.5f);
    // Driven a little past the knee for the grit of an overloaded blast.
    blast.scale(1.f / blast.peak());
    blast.saturate(0.8f);
    return finish(blast);
}

SampleBuffer SoundEffects::zombieAttack() {
    Noise noise(0x5eed0104u);
    SampleBuffer attack = SampleBuffer::ofSeconds(0.5f);
    // A throat: a buzzing tone with an unsteady pitch, shaped by two mouth resonances.
    std::vector<float> wobble(64);
    for (float& value : wobble) {
        value = noise.between(-1.f, 1.f);
    }
    const PitchCurve throat = [wobble](float t) {
        const float position = t * 40.f;
        const auto index = static_cast<std::size_t>(position) % wobble.size();
        const float jitter = wobble[index] + (wobble[(index + 1) % wobble.size()] - wobble[index]) *
                                                 (position - std::floor(position));
        return (105.f - 40.f * t) * (1.f + 0.12f * jitter);
    };
    SampleBuffer buzz = Synth::tone(0.5f, Waveform::Saw, throat, {0.04f, 0.18f, 0.09f});
    tremolo(buzz, 0.65f, 0.35f, 27.f);  // the rattle of a snarl
    SampleBuffer growl = filtered(buzz, Kind::BandPass, 620.f, 3.f);
    growl.mix(filtered(buzz, Kind::BandPass, 1350.f, 4.f), 0, 0.7f);
    growl.mix(filtered(buzz, Kind::LowPass, 300.f, 0.7f), 0, 0.4f);
    growl.mix(
        filtered(Synth::noise(noise, 0.5f, {0.05f, 0.15f, 0.1f}), Kind::BandPass, 1100.f, 1.5f), 0,
        0.35f);
    attack.mix(growl, 0, 1.f);
    // The bite: two hard clacks of teeth.
    for (const float when : {0.11f, 0.155f}) {
        SampleBuffer clack =
            Synth::strike(0.04f, {{1850.f, 0.6f, 0.008f}, {3150.f, 0.4f, 0.005f}}, 0.0002f);
        clack.mix(filtered(Synth::noise(noise, 0.03f, {0.0002f, 0.f, 0.004f}), Kind::HighPass,
                           2500.f, 0.7f),
                  0, 0.9f);
        attack.mix(clack, attack.indexOf(when), 1.4f);
    }
    return finish(attack);
}

SampleBuffer SoundEffects::zombieTurret() {
    Noise noise(0x5eed0105u);
    SampleBuffer blow = SampleBuffer::ofSeconds(0.4f);
    blow.mix(
        filtered(Synth::noise(noise, 0.06f, {0.0003f, 0.f, 0.008f}), Kind::BandPass, 1300.f, 0.7f),
        0, 1.2f);
    // Wooden body: low, inharmonic and quickly damped.
    blow.mix(Synth::strike(0.4f,
                           {{185.f, 1.f, 0.08f},
                            {412.f, 0.7f, 0.055f},
                            {687.f, 0.5f, 0.04f},
                            {1126.f, 0.35f, 0.03f}},
                           0.0005f),
             0, 1.f);
    // Metal plating: a thin ring that outlasts the knock.
    blow.mix(
        Synth::strike(0.4f, {{1870.f, 0.2f, 0.16f}, {2953.f, 0.13f, 0.12f}, {4410.f, 0.08f, 0.09f}},
                      0.0005f),
        0, 1.f);
    blow.mix(
        Synth::tone(0.15f, Waveform::Sine, Synth::glide(115.f, 70.f, 0.04f), {0.001f, 0.f, 0.04f}),
        0, 0.6f);
    return finish(blow);
}

SampleBuffer SoundEffects::turretDestroy() {
    Noise noise(0x5eed0106u);
    SampleBuffer wreck = SampleBuffer::ofSeconds(0.58f);
    wreck.mix(
        Synth::tone(0.4f, Waveform::Sine, Synth::glide(125.f, 42.f, 0.12f), {0.002f, 0.f, 0.11f}),
        0, 1.f);
    wreck.mix(
        filtered(Synth::noise(noise, 0.3f, {0.001f, 0.f, 0.06f}), Kind::LowPass, 1500.f, 0.8f), 0,
        1.f);
    // The crunch: a dense crackle of grains that thins out.
    for (int i = 0; i < 90; ++i) {
        const float early = noise.unit();  // the operands of * too are drawn in either order
        const float when = 0.005f + 0.3f * early * noise.unit();
        const float gain = 0.5f * std::exp(-when / 0.12f) * noise.between(0.4f, 1.f);
        // Drawn one by one, since the order of a call's arguments is the compiler's choice.
        const float decay = noise.between(0.002f, 0.006f);
        const float hz = noise.between(700.f, 3200.f);
        wreck.mix(grain(noise, hz, decay), wreck.indexOf(when), gain);
    }
    // Debris: loose pieces knocking down one after another, ever quieter.
    for (int i = 0; i < 11; ++i) {
        const float when = noise.between(0.12f, 0.48f);
        const float hz = noise.between(650.f, 2600.f);
        const float gain = 0.45f * std::exp(-(when - 0.12f) / 0.22f);
        const SampleBuffer piece = Synth::strike(
            0.08f, {{hz, 1.f, noise.between(0.01f, 0.03f)}, {hz * 2.37f, 0.4f, 0.01f}}, 0.0003f);
        wreck.mix(piece, wreck.indexOf(when), gain);
        wreck.mix(grain(noise, hz * 1.5f, 0.003f), wreck.indexOf(when), gain * 0.8f);
    }
    return finish(wreck);
}

}  // namespace assetgen
