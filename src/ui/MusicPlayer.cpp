#include "ui/MusicPlayer.hpp"

#include <stdexcept>

void MusicPlayer::play(const std::string& name) {
    if (!music.openFromFile("assets/music/" + name)) {
        throw std::runtime_error("Music " + name + " could not be loaded.");
    }
    music.setLoop(true);
    music.play();
}
