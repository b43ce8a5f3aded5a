#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "world/SoundCues.hpp"

// Stands in for the game's sound player: writes down every cue instead of playing it.
class RecordingSounds : public SoundCues {
public:
    void play(const std::string& soundName) override { played.push_back(soundName); }
    void purgeStopped() override { ++purges; }

    long count(const std::string& soundName) const {
        return std::count(played.begin(), played.end(), soundName);
    }

    std::vector<std::string> played;
    int purges = 0;
};
