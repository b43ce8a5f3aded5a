#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Window.hpp>

namespace tk {

// What a callback learns about the action that fired: where, which event, and which action.
// The event pointer is only valid during the call.
template <typename ActionId>
struct ActionContext {
    sf::Window* window;
    const sf::Event* event;
    ActionId actionId;
};

}  // namespace tk
