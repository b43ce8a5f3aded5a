#pragma once

#include <string>

#include "app/Game.hpp"
#include "app/GameWindow.hpp"
#include "toolkit/ActionMap.hpp"
#include "toolkit/MultiResourceCache.hpp"
#include "ui/AudioDevice.hpp"
#include "ui/MusicPlayer.hpp"
#include "ui/Renderer.hpp"
#include "ui/SoundPlayer.hpp"

// The root of the game: it owns the window and the services, lends them to the one Game, runs
// the fixed-step loop and turns input into commands. The members are declared in the order
// they depend on each other, so each is built after, and destroyed before, everything it
// points to.
class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Returns once the window has been closed.
    void run();

private:
    using ActionId = std::string;

    void bindActions();
    void onClick(tk::ActionContext<ActionId> context);

    GameWindow window;
    tk::ActionMap<ActionId> actions;
    tk::ActionMap<ActionId>::CallbackSystem actionCallbacks;
    tk::MultiResourceCache resources;
    Renderer renderer;
    // Decided once, before the first sound or stream could try the device.
    bool audible = detectAudioDevice();
    SoundPlayer soundPlayer;
    MusicPlayer musicPlayer;
    Game game;
};
