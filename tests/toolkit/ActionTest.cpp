#include <gtest/gtest.h>

#include <vector>

#include "toolkit/Action.hpp"

namespace {

// A key event for key types, a mouse event for button types, a bare event otherwise.
sf::Event event(sf::Event::EventType type, int code = 0, int x = 0) {
    sf::Event made{};
    made.type = type;
    if (type == sf::Event::KeyPressed || type == sf::Event::KeyReleased) {
        made.key.code = static_cast<sf::Keyboard::Key>(code);
        made.key.shift = true;
    } else {
        made.mouseButton = {static_cast<sf::Mouse::Button>(code), x, 0};
    }
    return made;
}

std::vector<sf::Event> matchesOf(const tk::Action& action, const std::vector<sf::Event>& buffer) {
    std::vector<sf::Event> matches;
    action.collectEvents(buffer, matches);
    return matches;
}

TEST(ActionTest, PressOnceMatchesEachPressOfItsKeyOrButtonOnly) {
    const tk::Action escape(sf::Keyboard::Escape, tk::Action::PressOnce);
    EXPECT_EQ(matchesOf(escape, {event(sf::Event::KeyPressed, sf::Keyboard::Escape)}).size(), 1u);
    EXPECT_TRUE(matchesOf(escape, {event(sf::Event::KeyReleased, sf::Keyboard::Escape),
                                   event(sf::Event::KeyPressed, sf::Keyboard::A),
                                   event(sf::Event::MouseButtonPressed, sf::Keyboard::Escape)})
                    .empty());

    const auto clicks = matchesOf(tk::Action(sf::Mouse::Left),
                                  {event(sf::Event::MouseButtonPressed, sf::Mouse::Left, 1),
                                   event(sf::Event::MouseButtonReleased, sf::Mouse::Left, 2),
                                   event(sf::Event::MouseButtonPressed, sf::Mouse::Right, 3),
                                   event(sf::Event::KeyPressed, sf::Mouse::Left),
                                   event(sf::Event::MouseButtonPressed, sf::Mouse::Left, 5)});
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].mouseButton.x, 1);
    EXPECT_EQ(clicks[1].mouseButton.x, 5);
}

TEST(ActionTest, OrGivesTheLeftSidesMatchesThenTheRightSides) {
    const tk::Action quit = tk::Action(sf::Keyboard::Escape) || tk::Action(sf::Event::Closed);
    const std::vector<sf::Event> buffer = {event(sf::Event::Closed),
                                           event(sf::Event::KeyPressed, sf::Keyboard::Escape),
                                           event(sf::Event::LostFocus)};
    const auto matches = matchesOf(quit, buffer);
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0].type, sf::Event::KeyPressed);
    EXPECT_EQ(matches[1].type, sf::Event::Closed);
    EXPECT_TRUE(quit.isActive({buffer[0]}));
    EXPECT_FALSE(quit.isActive({buffer[2]}));
    EXPECT_FALSE(tk::Action().isActive(buffer));
}

}  // namespace
