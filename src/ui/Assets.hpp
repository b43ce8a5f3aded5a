#pragma once

#include <string>

namespace sf {
class Font;
class SoundBuffer;
class Texture;
}  // namespace sf
namespace tk {
class MultiResourceCache;
}

// Assets are named by bare file name; these add the folder and load each file once.
sf::Texture& getTexture(tk::MultiResourceCache& resources, const std::string& name);
sf::Font& getFont(tk::MultiResourceCache& resources, const std::string& name);
sf::SoundBuffer& getSoundBuffer(tk::MultiResourceCache& resources, const std::string& name);
