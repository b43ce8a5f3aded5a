#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <vector>

namespace tk {

// A condition on the events of one step: a key or button press, any event of a type, or an OR
// of such conditions. Only events are read, never the live state of a device.
class Action {
public:
    enum ActionType { PressOnce };

    // Matches nothing; lets a map default-construct an entry before it is assigned.
    Action() = default;
    // Matches KeyPressed events of this key, whatever modifiers are held.
    Action(sf::Keyboard::Key key, ActionType type = PressOnce);
    // Matches MouseButtonPressed events of this button.
    Action(sf::Mouse::Button button, ActionType type = PressOnce);
    // Matches any event of this type, e.g. sf::Event::Closed.
    explicit Action(sf::Event::EventType type);

    // Active when either side is; matches the left side's events first, then the right side's.
    friend Action operator||(const Action& lhs, const Action& rhs);

    // Appends to matches the events of buffer that this action matches.
    void collectEvents(const std::vector<sf::Event>& buffer, std::vector<sf::Event>& matches) const;

    // Whether any event of buffer matches.
    bool isActive(const std::vector<sf::Event>& buffer) const;

private:
    // A leaf condition. An OR of leaves matches the leaves' events in leaf order, so a flat
    // list of leaves is the whole tree.
    struct Trigger {
        sf::Event::EventType eventType;
        int code;  // the key or button; -1 when any event of the type matches
    };

    static bool matches(const Trigger& trigger, const sf::Event& event);

    std::vector<Trigger> triggers;
};

}  // namespace tk
