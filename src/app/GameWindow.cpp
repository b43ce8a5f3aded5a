#include "app/GameWindow.hpp"

namespace {

sf::ContextSettings contextSettings() {
    sf::ContextSettings settings;
    settings.depthBits = 0;
    settings.stencilBits = 0;
    settings.antialiasingLevel = 8;
    settings.majorVersion = 2;
    settings.minorVersion = 0;
    return settings;
}

}  // namespace

GameWindow::GameWindow(const std::string& title)
    : sf::RenderWindow(sf::VideoMode(1024, 768, 32), title, sf::Style::Titlebar | sf::Style::Close,
                       contextSettings()) {
    setKeyRepeatEnabled(false);
    setVerticalSyncEnabled(true);
}
