#include "ui/AudioDevice.hpp"

#include <AL/alc.h>

#include <iostream>

bool detectAudioDevice() {
    // The audio library opens its own device later; this one is closed again at once, so with
    // a working device nothing is left behind.
    ALCdevice* const device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        std::cerr << "zembrook: no audio device could be opened; playing without sound"
                  << std::endl;
        return false;
    }
    alcCloseDevice(device);
    return true;
}
