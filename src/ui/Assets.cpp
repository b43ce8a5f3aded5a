#include "ui/Assets.hpp"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "entities/ObjectCode.hpp"
#include "toolkit/MultiResourceCache.hpp"
#include "ui/SilentSound.hpp"

sf::Texture& getTexture(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<sf::Texture>("assets/textures/" + name);
}

sf::Font& getFont(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<sf::Font>("assets/fonts/" + name);
}

namespace {

std::string soundPath(const std::string& name) {
    return "assets/sounds/" + name;
}

}  // namespace

sf::SoundBuffer& getSoundBuffer(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<sf::SoundBuffer>(soundPath(name));
}

const SilentSound& getSilentSound(tk::MultiResourceCache& resources, const std::string& name) {
    return resources.acquire<SilentSound>(soundPath(name));
}

const char* cellPicture(std::int32_t code) {
    switch (code) {
        case Floor:
            return "floor.png";
        case Block:
            return "block.png";
        default:
            return nullptr;
    }
}
