#pragma once

#include <string>

// The World's way to make a sound. The game's SoundPlayer implements it; tests record it.
class SoundCues {
public:
    virtual void play(const std::string& soundName) = 0;
    // Forgets the sounds that have finished, oldest first.
    virtual void purgeStopped() = 0;

protected:
    ~SoundCues() = default;
};
