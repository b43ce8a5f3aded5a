#pragma once

#include <string>

// A sound effect read and decoded but never handed to the audio device: what the game keeps of
// a sound when it plays without one, so that a missing or broken file is still refused at the
// moment its cue first sounds, as a sound buffer would refuse it.
class SilentSound {
public:
    // False for the same files sf::SoundBuffer::loadFromFile refuses: unreadable, not a sound
    // format it knows, empty, or cut short. The media library names the file on its error
    // stream, as it does for a sound buffer.
    bool loadFromFile(const std::string& path);
};
