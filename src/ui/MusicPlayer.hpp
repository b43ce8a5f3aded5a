#pragma once

#include <SFML/Audio/Music.hpp>
#include <optional>
#include <string>

// The background music: one looping stream from the music folder, for the whole run.
class MusicPlayer {
public:
    // Without an audio device there is no stream at all: even an idle one would make the audio
    // library report failures.
    explicit MusicPlayer(bool audible);
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Throws std::runtime_error when the file cannot be opened, with or without a device.
    void play(const std::string& name);

private:
    std::optional<sf::Music> music;
};
