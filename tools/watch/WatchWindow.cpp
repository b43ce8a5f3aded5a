#include "WatchWindow.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/System/Clock.hpp>

#include "app/FixedStep.hpp"
#include "entities/GameNumbers.hpp"

namespace {

const std::string kFont = "sansation.ttf";
// The caption's band lies between a town of the usual size and the timeline bar; the panel
// stands in the free column under the build menu.
const sf::FloatRect kBand(0.f, 692.f, 1024.f, 24.f);
const sf::Vector2f kPanel(700.f, 420.f);
const sf::Color kBandColour(0, 0, 0, 190);
const sf::Color kQuiet(190, 190, 190, 255);

}  // namespace

WatchWindow::WatchWindow(const TileMap& level, Subject subject)
    : window("Zembrook"),
      renderer(window, resources),
      soundPlayer(resources, audible),
      musicPlayer(audible),
      watched({renderer, soundPlayer, renderer, renderer.particles}, level),
      subject(std::move(subject)) {
    bindActions();
}

void WatchWindow::run(std::vector<RecordedClick> clicks, const MoveLine& moveLine) {
    musicPlayer.play("music1.ogg");
    watched.replay(std::move(clicks));
    caption = "Watching " + subject.player + " play seed " + std::to_string(subject.seed);
    sf::Clock clock;
    FixedStep owed(TimePerFrame);
    while (window.isOpen()) {
        owed.add(clock.restart());
        while (owed.stepDue()) {
            actions.update(window);
            actions.invokeCallbacks(actionCallbacks, &window);
            if (!paused) {
                for (const std::string& move : watched.advance()) {
                    caption = move;
                    moveLine(move);
                }
            }
            owed.consume();
        }
        if (!window.isOpen()) {
            break;
        }
        window.clear(sf::Color::Black);
        watched.draw();
        drawCaptions();
        window.display();
    }
}

void WatchWindow::bindActions() {
    // No click is bound: the game is watched, not played.
    actions["quit"] =
        tk::Action(sf::Keyboard::Escape, tk::Action::PressOnce) || tk::Action(sf::Event::Closed);
    actions["pause"] = tk::Action(sf::Keyboard::Space, tk::Action::PressOnce);
    actionCallbacks.connect("quit", [this](tk::ActionContext<ActionId>) { window.close(); });
    actionCallbacks.connect("pause", [this](tk::ActionContext<ActionId>) { paused = !paused; });
}

void WatchWindow::drawCaptions() {
    sf::RectangleShape band({kBand.width, kBand.height});
    band.setPosition(kBand.left, kBand.top);
    band.setFillColor(kBandColour);
    window.draw(band);
    window.draw(line(paused ? caption + "  (paused)" : caption, 15, {10.f, kBand.top + 3.f}));
    const std::string panel = "Watching " + subject.player + "\nseed " +
                              std::to_string(subject.seed) + "\n\nSpace: pause\nEscape: end";
    sf::Text text = line(panel, 14, kPanel);
    text.setFillColor(kQuiet);
    window.draw(text);
}

sf::Text WatchWindow::line(const std::string& text, unsigned size, sf::Vector2f place) {
    sf::Text shown(text, renderer.getFont(kFont), size);
    shown.setFillColor(sf::Color::White);
    shown.setPosition(place);
    return shown;
}
