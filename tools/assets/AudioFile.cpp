#include "AudioFile.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <cstdlib>

namespace assetgen {

bool AudioFile::write(const SampleBuffer& buffer, const std::string& path) {
    // SFML numbers each Ogg stream with std::rand(); a fixed seed keeps the bytes of the music
    // the same from run to run and however many files were written before it.
    std::srand(0x5eed);
    sf::OutputSoundFile file;
    if (!file.openFromFile(path, buffer.sampleRate(), 1)) {
        return false;
    }
    const std::vector<sf::Int16> pcm = buffer.toPcm();
    file.write(pcm.data(), pcm.size());
    return true;
}

}  // namespace assetgen
