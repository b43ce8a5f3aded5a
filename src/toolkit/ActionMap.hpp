#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Window.hpp>
#include <map>
#include <vector>

#include "toolkit/Action.hpp"
#include "toolkit/ActionContext.hpp"
#include "toolkit/CallbackSystem.hpp"

namespace tk {

// Names the actions of a program and buffers one step's window events, so that the step can
// dispatch them to callbacks in a fixed order: by action identifier, then by event arrival.
template <typename ActionId>
class ActionMap {
public:
    using CallbackSystem = tk::CallbackSystem<ActionId>;

    Action& operator[](const ActionId& id) { return actions[id]; }

    // Forgets the previous step's events, then takes every event the window has pending.
    void update(sf::Window& window) {
        clearEvents();
        sf::Event event;
        while (window.pollEvent(event)) {
            pushEvent(event);
        }
    }

    void pushEvent(const sf::Event& event) { events.push_back(event); }

    void clearEvents() { events.clear(); }

    // Whether the action of this identifier matches any buffered event.
    bool isActive(const ActionId& id) const {
        const auto found = actions.find(id);
        return found != actions.end() && found->second.isActive(events);
    }

    // For each action in identifier order, one triggerEvent per event it matched. The matches
    // are copied first, so a callback may push or clear events without invalidating its own.
    void invokeCallbacks(CallbackSystem& system, sf::Window* window) const {
        for (const auto& [id, action] : actions) {
            std::vector<sf::Event> matches;
            action.collectEvents(events, matches);
            for (const sf::Event& event : matches) {
                system.triggerEvent(ActionContext<ActionId>{window, &event, id});
            }
        }
    }

private:
    std::map<ActionId, Action> actions;
    std::vector<sf::Event> events;
};

}  // namespace tk
