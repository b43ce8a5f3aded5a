#pragma once

#include <SFML/Audio/Music.hpp>
#include <string>

// The background music: one looping stream from the music folder, for the whole run.
class MusicPlayer {
public:
    MusicPlayer() = default;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Throws std::runtime_error when the file cannot be opened.
    void play(const std::string& name);

private:
    sf::Music music;
};
