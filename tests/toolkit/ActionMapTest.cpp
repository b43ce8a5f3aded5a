#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/Display.hpp"
#include "toolkit/ActionMap.hpp"

namespace {

using Context = tk::ActionContext<std::string>;

sf::Event click(int x) {
    sf::Event event{};
    event.type = sf::Event::MouseButtonPressed;
    event.mouseButton = {sf::Mouse::Left, x, 0};
    return event;
}

sf::Event escape() {
    sf::Event event{};
    event.type = sf::Event::KeyPressed;
    event.key.code = sf::Keyboard::Escape;
    return event;
}

// The bindings of a program that quits on Escape or close and reacts to left clicks.
class ActionMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        actions["quit"] = tk::Action(sf::Keyboard::Escape) || tk::Action(sf::Event::Closed);
        actions["lclick"] = tk::Action(sf::Mouse::Left);
        for (const std::string id : {"quit", "lclick"}) {
            callbacks.connect(id, [this](Context context) {
                const bool isClick = context.event->type == sf::Event::MouseButtonPressed;
                calls.push_back(context.actionId + ":" +
                                std::to_string(isClick ? context.event->mouseButton.x : -1));
            });
        }
    }
    tk::ActionMap<std::string> actions;
    tk::ActionMap<std::string>::CallbackSystem callbacks;
    std::vector<std::string> calls;
};

TEST_F(ActionMapTest, ActionsRunInIdentifierOrderAndOncePerMatchedEvent) {
    actions.pushEvent(escape());
    actions.pushEvent(click(7));
    actions.pushEvent(click(9));
    actions.invokeCallbacks(callbacks, nullptr);
    EXPECT_EQ(calls, (std::vector<std::string>{"lclick:7", "lclick:9", "quit:-1"}));
}

TEST_F(ActionMapTest, CallbackMayClearTheBufferWhileItsOwnEventIsBeingDelivered) {
    callbacks.connect("lclick", [this](Context context) {
        actions.clearEvents();
        actions.pushEvent(escape());
        calls.push_back("after:" + std::to_string(context.event->mouseButton.x));
    });
    actions.pushEvent(click(4));
    actions.invokeCallbacks(callbacks, nullptr);
    EXPECT_EQ(calls, (std::vector<std::string>{"lclick:4", "after:4", "quit:-1"}));
}

TEST_F(ActionMapTest, UpdateForgetsTheEventsOfThePreviousStep) {
    if (!hasDisplay()) {
        GTEST_SKIP() << "needs an X display for a window";
    }
    const GraphicsLeakGuard driverAllocations;
    sf::Window window(sf::VideoMode(40, 30), "action map test", sf::Style::None);
    actions.pushEvent(escape());
    ASSERT_TRUE(actions.isActive("quit"));
    actions.update(window);
    EXPECT_FALSE(actions.isActive("quit"));
}

}  // namespace
