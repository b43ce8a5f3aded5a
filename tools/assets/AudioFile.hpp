#pragma once

#include <string>

#include "SampleBuffer.hpp"

namespace assetgen {

// Writes mono 16-bit sound through SFML, the same library that reads it in the game; the file
// type (WAV or Ogg Vorbis) follows the extension.
class AudioFile {
public:
    // False, after SFML's own message on the error stream, when the file cannot be written.
    static bool write(const SampleBuffer& buffer, const std::string& path);
};

}  // namespace assetgen
