#include "MusicComposer.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "Synth.hpp"

namespace assetgen {

namespace {

using Kind = Biquad::Kind;

constexpr float kSixteenthSeconds =
    static_cast<float>(MusicComposer::kSamplesPerSixteenth) / MusicComposer::kSampleRate;

// A chord of the progression: the bass note and three tones for the pad and the plucks.
struct Chord {
    int bass;
    int pulse;
    std::array<int, 3> tones;
};

// i - VI - iv - V in A minor, two bars each; the major V pulls back to the start of the loop.
const std::array<Chord, 4> kProgression{{
    {33, 45, {57, 60, 64}},  // A minor
    {29, 41, {53, 57, 60}},  // F major
    {38, 38, {50, 53, 57}},  // D minor
    {40, 40, {52, 56, 59}},  // E major
}};

// The piece has three eight-bar sections that add layers: bare, fuller, fullest.
int sectionOf(unsigned bar) {
    return static_cast<int>(bar / 8);
}

const Chord& chordOf(unsigned bar) {
    return kProgression[(bar / 2) % kProgression.size()];
}

// One note of the plucked motif: where it falls in a two-bar phrase and which chord tone it is.
struct MotifNote {
    unsigned sixteenth;
    int degree;  // 0-2 the chord's tones, 3-5 the same an octave up
};

// The loop being written: every voice is placed by bar and sixteenth and wrapped at the end.
class Score {
public:
    Score() : loop(MusicComposer::kLength, MusicComposer::kSampleRate) {}

    void place(const SampleBuffer& note, unsigned bar, unsigned sixteenth, float gain) {
        loop.mixWrapped(
            note,
            bar * MusicComposer::kSamplesPerBar + sixteenth * MusicComposer::kSamplesPerSixteenth,
            gain);
    }

    SampleBuffer take() { return std::move(loop); }

private:
    SampleBuffer loop;
};

SampleBuffer bassNote(int note, float seconds) {
    const float hz = Synth::noteHz(note);
    const Envelope envelope{0.03f, std::max(seconds - 0.15f, 0.f), 0.15f};
    SampleBuffer sound = Synth::tone(seconds + 0.8f, Waveform::Sine, Synth::steady(hz), envelope);
    // An octave overtone keeps the line audible on small speakers.
    sound.mix(Synth::tone(seconds + 0.8f, Waveform::Sine, Synth::steady(2.f * hz), envelope), 0,
              0.3f);
    sound.fadeOut(0.05f);
    return sound;
}

SampleBuffer pulseNote(int note, float brightness) {
    SampleBuffer sound =
        Synth::tone(0.4f, Waveform::Saw, Synth::steady(Synth::noteHz(note)), {0.004f, 0.f, 0.08f});
    Synth::filter(sound, Kind::LowPass, brightness, 0.9f);
    sound.fadeOut(0.05f);
    return sound;
}

SampleBuffer padChord(const Chord& chord, float seconds) {
    SampleBuffer sound = SampleBuffer::ofSeconds(seconds + 1.5f);
    const Envelope swell{0.9f, std::max(seconds - 0.9f, 0.f), 0.45f};
    for (const int note : chord.tones) {
        const float hz = Synth::noteHz(note);
        // Two voices a hair apart beat slowly, which keeps a held chord alive.
        sound.mix(
            Synth::tone(sound.duration(), Waveform::Triangle, Synth::steady(hz * 0.997f), swell),
            0);
        sound.mix(
            Synth::tone(sound.duration(), Waveform::Triangle, Synth::steady(hz * 1.003f), swell),
            0);
    }
    Synth::filter(sound, Kind::LowPass, 1100.f, 0.7f);
    sound.fadeOut(0.1f);
    return sound;
}

SampleBuffer kick() {
    SampleBuffer sound =
        Synth::tone(0.35f, Waveform::Sine, Synth::glide(120.f, 44.f, 0.06f), {0.002f, 0.f, 0.11f});
    sound.fadeOut(0.05f);
    return sound;
}

SampleBuffer shaker(Noise& noise) {
    SampleBuffer sound = Synth::noise(noise, 0.12f, {0.003f, 0.f, 0.018f});
    Synth::filter(sound, Kind::HighPass, 6500.f, 0.7f);
    sound.fadeOut(0.02f);
    return sound;
}

SampleBuffer rim() {
    SampleBuffer sound =
        Synth::strike(0.15f, {{1750.f, 1.f, 0.012f}, {820.f, 0.6f, 0.02f}}, 0.0005f);
    sound.fadeOut(0.03f);
    return sound;
}

std::vector<MotifNote> makeMotif(Noise& noise, int notes) {
    std::vector<MotifNote> motif;
    std::vector<unsigned> used;
    while (static_cast<int>(motif.size()) < notes) {
        // Mostly on eighth notes, now and then a sixteenth off the grid for a stumble.
        unsigned sixteenth = static_cast<unsigned>(noise.index(16)) * 2;
        if (noise.chance(0.2f)) {
            sixteenth += 1;
        }
        if (std::find(used.begin(), used.end(), sixteenth) != used.end()) {
            continue;
        }
        used.push_back(sixteenth);
        motif.push_back({sixteenth, noise.index(6)});
    }
    std::sort(motif.begin(), motif.end(),
              [](const MotifNote& a, const MotifNote& b) { return a.sixteenth < b.sixteenth; });
    return motif;
}

void writeRhythm(Score& score, Noise& noise) {
    const SampleBuffer beat = kick();
    const SampleBuffer click = rim();
    for (unsigned bar = 0; bar < MusicComposer::kBars; ++bar) {
        const int section = sectionOf(bar);
        // A heartbeat, lub-dub, that doubles in the last section.
        score.place(beat, bar, 0, 0.34f);
        score.place(beat, bar, 3, 0.2f);
        if (section == 2) {
            score.place(beat, bar, 8, 0.26f);
            score.place(beat, bar, 11, 0.15f);
        }
        if (section >= 1) {
            for (unsigned sixteenth = 2; sixteenth < 16; sixteenth += 4) {
                score.place(shaker(noise), bar, sixteenth, section == 1 ? 0.08f : 0.11f);
            }
        }
        if (section == 2 && bar % 2 == 1) {
            score.place(click, bar, 12, 0.1f);
        }
    }
}

void writeBassAndPulse(Score& score) {
    const float sixteenth = kSixteenthSeconds;
    for (unsigned bar = 0; bar < MusicComposer::kBars; ++bar) {
        const Chord& chord = chordOf(bar);
        if (bar % 2 == 0) {
            score.place(bassNote(chord.bass, 12.f * sixteenth), bar, 0, 0.15f);
            score.place(bassNote(chord.bass + 12, 3.f * sixteenth), bar, 12, 0.08f);
        } else {
            score.place(bassNote(chord.bass, 8.f * sixteenth), bar, 0, 0.15f);
            score.place(bassNote(chord.bass + 7, 7.f * sixteenth), bar, 8, 0.12f);
        }
        // The pulse opens up a little with every section.
        const float brightness = 800.f + 350.f * static_cast<float>(sectionOf(bar));
        for (unsigned eighth = 0; eighth < 8; ++eighth) {
            const float accent = eighth == 0 ? 1.3f : (eighth % 2 == 0 ? 1.f : 0.75f);
            score.place(pulseNote(chord.pulse, brightness), bar, eighth * 2, 0.055f * accent);
        }
    }
}

void writePad(Score& score) {
    const float phrase = 2.f * MusicComposer::kSixteenthsPerBar * kSixteenthSeconds;
    for (unsigned bar = 0; bar < MusicComposer::kBars; bar += 2) {
        const float gain = sectionOf(bar) == 0 ? 0.04f : 0.05f;
        score.place(padChord(chordOf(bar), phrase), bar, 0, gain);
    }
}

void writePlucks(Score& score, Noise& noise) {
    const std::array<int, 3> notesPerPhrase{3, 5, 7};
    const unsigned echo = 3;  // the echo answers a dotted eighth later
    for (int section = 0; section < 3; ++section) {
        const std::vector<MotifNote> motif = makeMotif(noise, notesPerPhrase[section]);
        for (unsigned phrase = 0; phrase < 4; ++phrase) {
            const unsigned firstBar = static_cast<unsigned>(section) * 8 + phrase * 2;
            const Chord& chord = chordOf(firstBar);
            for (const MotifNote& note : motif) {
                if (phrase > 0 && noise.chance(0.15f)) {
                    continue;  // small gaps keep the repeats from sounding mechanical
                }
                const int pitch = chord.tones[static_cast<std::size_t>(note.degree % 3)] +
                                  12 * (note.degree / 3) + 12;
                const SampleBuffer string = Synth::pluck(noise, Synth::noteHz(pitch), 1.4f, 0.55f);
                // A sixteenth past the bar's end simply lands in the next bar.
                score.place(string, firstBar, note.sixteenth, 1.f);
                score.place(string, firstBar, note.sixteenth + echo, 0.35f);
            }
        }
    }
}

}  // namespace

SampleBuffer MusicComposer::compose() {
    Noise noise(0x5eed0201u);
    Score score;
    writeRhythm(score, noise);
    writeBassAndPulse(score);
    writePad(score);
    writePlucks(score, noise);
    SampleBuffer loop = score.take();
    loop.level(kTargetRms, kCeiling);
    return loop;
}

}  // namespace assetgen
