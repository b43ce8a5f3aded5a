#pragma once

#include <SFML/Graphics/Text.hpp>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "WatchedGame.hpp"
#include "app/GameWindow.hpp"
#include "toolkit/ActionMap.hpp"
#include "toolkit/MultiResourceCache.hpp"
#include "ui/AudioDevice.hpp"
#include "ui/MusicPlayer.hpp"
#include "ui/Renderer.hpp"
#include "ui/SoundPlayer.hpp"

// The game's window with a recorded game played in it: the game's own pictures, interface,
// sounds and music, owned and paced as the game's Application does, with a caption naming each
// move as it is made. Watching takes no part: a click on the map does nothing, Space pauses,
// and Escape or the close button ends it.
class WatchWindow {
public:
    // What the window says it shows, beside the game.
    struct Subject {
        std::string player;
        std::uint32_t seed = 0;
    };
    // Told each move's caption as the window shows it.
    using MoveLine = std::function<void(const std::string& caption)>;

    // The random engine must have been seeded as the recorded game's was. Throws when an asset
    // cannot be loaded.
    WatchWindow(const TileMap& level, Subject subject);
    WatchWindow(const WatchWindow&) = delete;
    WatchWindow& operator=(const WatchWindow&) = delete;

    // Plays the clicks in real time until the window is closed.
    void run(std::vector<RecordedClick> clicks, const MoveLine& moveLine);

private:
    using ActionId = std::string;

    void bindActions();
    void drawCaptions();
    sf::Text line(const std::string& text, unsigned size, sf::Vector2f place);

    GameWindow window;
    tk::ActionMap<ActionId> actions;
    tk::ActionMap<ActionId>::CallbackSystem actionCallbacks;
    tk::MultiResourceCache resources;
    Renderer renderer;
    bool audible = detectAudioDevice();
    SoundPlayer soundPlayer;
    MusicPlayer musicPlayer;
    WatchedGame watched;
    Subject subject;
    std::string caption;
    bool paused = false;
};
