#pragma once

#include <SFML/Audio/Sound.hpp>
#include <deque>

#include "world/SoundCues.hpp"

namespace tk {
class MultiResourceCache;
}

// Plays sound effects by file name and keeps each sound alive while it plays. Without an audio
// device it only reads each file, so a missing one is refused all the same.
class SoundPlayer final : public SoundCues {
public:
    SoundPlayer(tk::MultiResourceCache& resources, bool audible);
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const std::string& soundName) override;
    // Only from the front: a long sound still playing holds back the ones behind it.
    void purgeStopped() override;

private:
    tk::MultiResourceCache* resources;
    bool audible;
    std::deque<sf::Sound> sounds;
};
