#include "ui/MusicPlayer.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <stdexcept>

namespace {

// What the stream does first when it opens a file, without the stream.
bool soundFileOpens(const std::string& path) {
    sf::InputSoundFile file;
    return file.openFromFile(path);
}

}  // namespace

MusicPlayer::MusicPlayer(bool audible) {
    if (audible) {
        music.emplace();
    }
}

void MusicPlayer::play(const std::string& name) {
    const std::string path = "assets/music/" + name;
    const bool opened = music ? music->openFromFile(path) : soundFileOpens(path);
    if (!opened) {
        throw std::runtime_error("Music " + name + " could not be loaded.");
    }
    if (music) {
        music->setLoop(true);
        music->play();
    }
}
