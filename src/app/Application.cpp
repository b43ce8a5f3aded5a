#include "app/Application.hpp"

#include <SFML/System/Clock.hpp>

#include "app/FixedStep.hpp"
#include "entities/GameNumbers.hpp"

Application::Application()
    : window("Zembrook"),
      renderer(window, resources),
      soundPlayer(resources, audible),
      musicPlayer(audible),
      game({renderer, soundPlayer, renderer, renderer.particles}) {
    bindActions();
}

void Application::run() {
    musicPlayer.play("music1.ogg");
    sf::Clock clock;
    FixedStep owed(TimePerFrame);
    while (window.isOpen()) {
        owed.add(clock.restart());
        while (owed.stepDue()) {
            actions.update(window);
            actions.invokeCallbacks(actionCallbacks, &window);
            game.session().dispatch();
            owed.consume();
        }
        // A window closed during this pass has nothing left to show.
        if (!window.isOpen()) {
            break;
        }
        window.clear(sf::Color::Black);
        game.draw();
        window.display();
    }
}

void Application::bindActions() {
    actions["quit"] =
        tk::Action(sf::Keyboard::Escape, tk::Action::PressOnce) || tk::Action(sf::Event::Closed);
    actions["lclick"] = tk::Action(sf::Mouse::Left, tk::Action::PressOnce);
    actionCallbacks.connect("quit", [this](tk::ActionContext<ActionId>) { window.close(); });
    actionCallbacks.connect("lclick",
                            [this](tk::ActionContext<ActionId> context) { onClick(context); });
}

void Application::onClick(tk::ActionContext<ActionId> context) {
    const sf::Event::MouseButtonEvent& button = context.event->mouseButton;
    const sf::Vector2f position = window.mapPixelToCoords({button.x, button.y});
    if (game.session().click(position) == Session::ClickOutcome::CloseWindow) {
        window.close();
    }
}
