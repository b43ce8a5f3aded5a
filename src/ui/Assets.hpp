#pragma once

#include <cstdint>
#include <string>

namespace sf {
class Font;
class SoundBuffer;
class Texture;
}  // namespace sf
namespace tk {
class MultiResourceCache;
}
class SilentSound;

// Assets are named by bare file name; these add the folder and load each file once.
sf::Texture& getTexture(tk::MultiResourceCache& resources, const std::string& name);
sf::Font& getFont(tk::MultiResourceCache& resources, const std::string& name);
sf::SoundBuffer& getSoundBuffer(tk::MultiResourceCache& resources, const std::string& name);
// The same sound file, read once without the audio device: for play without one.
const SilentSound& getSilentSound(tk::MultiResourceCache& resources, const std::string& name);

// The picture a grid cell is drawn with, or nullptr for a cell left undrawn. Shared by the game
// and the level painter, so that a level's picture shows its cells as play does.
const char* cellPicture(std::int32_t code);
