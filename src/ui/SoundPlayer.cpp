#include "ui/SoundPlayer.hpp"

#include "ui/Assets.hpp"

SoundPlayer::SoundPlayer(tk::MultiResourceCache& resources, bool audible)
    : resources(&resources), audible(audible) {}

void SoundPlayer::play(const std::string& soundName) {
    if (!audible) {
        getSilentSound(*resources, soundName);
        return;
    }
    sounds.emplace_back(getSoundBuffer(*resources, soundName));
    sounds.back().play();
}

void SoundPlayer::purgeStopped() {
    while (!sounds.empty() && sounds.front().getStatus() == sf::Sound::Stopped) {
        sounds.pop_front();
    }
}
