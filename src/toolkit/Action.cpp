#include "toolkit/Action.hpp"

#include <algorithm>

namespace tk {

namespace {

constexpr int kAnyCode = -1;

}  // namespace

Action::Action(sf::Keyboard::Key key, ActionType /*type*/)
    : triggers{{sf::Event::KeyPressed, static_cast<int>(key)}} {}

Action::Action(sf::Mouse::Button button, ActionType /*type*/)
    : triggers{{sf::Event::MouseButtonPressed, static_cast<int>(button)}} {}

Action::Action(sf::Event::EventType type) : triggers{{type, kAnyCode}} {}

Action operator||(const Action& lhs, const Action& rhs) {
    Action combined = lhs;
    combined.triggers.insert(combined.triggers.end(), rhs.triggers.begin(), rhs.triggers.end());
    return combined;
}

void Action::collectEvents(const std::vector<sf::Event>& buffer,
                           std::vector<sf::Event>& matches) const {
    for (const Trigger& trigger : triggers) {
        std::copy_if(
            buffer.begin(), buffer.end(), std::back_inserter(matches),
            [&trigger](const sf::Event& event) { return Action::matches(trigger, event); });
    }
}

bool Action::isActive(const std::vector<sf::Event>& buffer) const {
    return std::any_of(triggers.begin(), triggers.end(), [&buffer](const Trigger& trigger) {
        return std::any_of(buffer.begin(), buffer.end(),
                           [&trigger](const sf::Event& event) { return matches(trigger, event); });
    });
}

bool Action::matches(const Trigger& trigger, const sf::Event& event) {
    if (event.type != trigger.eventType) {
        return false;
    }
    switch (trigger.eventType) {
        case sf::Event::KeyPressed:
            return trigger.code == kAnyCode || event.key.code == trigger.code;
        case sf::Event::MouseButtonPressed:
            return trigger.code == kAnyCode || event.mouseButton.button == trigger.code;
        default:
            return true;
    }
}

}  // namespace tk
