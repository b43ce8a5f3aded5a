#include "ui/Assets.hpp"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "toolkit/MultiResourceCache.hpp"

sf::Texture& getTexture(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<sf::Texture>("assets/textures/" + name);
}

sf::Font& getFont(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<sf::Font>("assets/fonts/" + name);
}

sf::SoundBuffer& getSoundBuffer(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<sf::SoundBuffer>("assets/sounds/" + name);
}
