#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <string>

// The game's window, as every program that shows the game opens it: the size the game is drawn
// for, a title bar with a close button and no resizing, smoothed edges, one press per key held
// down, and frames paced to the screen.
class GameWindow : public sf::RenderWindow {
public:
    explicit GameWindow(const std::string& title);
};
