#include "ui/SilentSound.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Config.hpp>
#include <array>

bool SilentSound::loadFromFile(const std::string& path) {
    sf::InputSoundFile file;
    if (!file.openFromFile(path)) {
        return false;
    }
    const sf::Uint64 expected = file.getSampleCount();
    if (expected == 0 || file.getChannelCount() == 0 || file.getSampleRate() == 0) {
        return false;
    }
    // Every sample is read, so a file whose data stops short of its header's count is caught.
    std::array<sf::Int16, 4096> chunk{};
    sf::Uint64 read = 0;
    while (read < expected) {
        const sf::Uint64 got = file.read(chunk.data(), chunk.size());
        if (got == 0) {
            return false;
        }
        read += got;
    }
    return true;
}
