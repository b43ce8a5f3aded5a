#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <cstdint>
#include <string>

#include "app/GameState.hpp"
#include "app/Session.hpp"
#include "entities/ObjectCode.hpp"
#include "toolkit/ActionMap.hpp"
#include "toolkit/MultiResourceCache.hpp"
#include "ui/AudioDevice.hpp"
#include "ui/Hud.hpp"
#include "ui/MusicPlayer.hpp"
#include "ui/Renderer.hpp"
#include "ui/SoundPlayer.hpp"
#include "world/History.hpp"
#include "world/World.hpp"

// The root of the game: it owns every part, runs the fixed-step loop and turns input into
// commands. The members are declared in the order they depend on each other, so each is built
// after, and destroyed before, everything it points to.
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
    void fastForward(TimePoint target);
    void onClick(tk::ActionContext<ActionId> context);
    Session session();

    sf::RenderWindow window;
    tk::ActionMap<ActionId> actions;
    tk::ActionMap<ActionId>::CallbackSystem actionCallbacks;
    tk::MultiResourceCache resources;
    Renderer renderer;
    // Decided once, before the first sound or stream could try the device.
    bool audible = detectAudioDevice();
    SoundPlayer soundPlayer;
    MusicPlayer musicPlayer;
    World world;
    History history;
    Hud hud;
    std::uint32_t stepCount = 0;
    std::int32_t selectedBuilding = NoObject;
    GameState state = GameState::Title;
};
