// zembrook-chooser: the ladder of bundled levels in a window, for players who start the game
// from a desktop menu rather than a terminal. The launcher plays what they choose.

#include <unistd.h>

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Err.hpp>
#include <SFML/Window/Event.hpp>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.hpp"
#include "ChooserOptions.hpp"
#include "Ladder.hpp"
#include "LadderView.hpp"
#include "app/DisplayConnection.hpp"

namespace {

const sf::Vector2u kWindowSize(1024, 768);

sf::Font loadFont(const std::string& data) {
    const std::string path = data + "/assets/fonts/sansation.ttf";
    sf::Font font;
    if (!font.loadFromFile(path)) {
        throw std::runtime_error("cannot read the font " + path);
    }
    return font;
}

// Plays through the launcher and gives what the player should read under the ladder after.
std::string play(const std::vector<std::string>& command, const std::string& what) {
    const ChildOutcome outcome = ChildProcess::run(command);
    if (outcome.status == 0) {
        return {};
    }
    if (!outcome.lastWords.empty()) {
        return outcome.lastWords;
    }
    return what + " could not be played: the launcher ended with status " +
           std::to_string(outcome.status);
}

// Shows the ladder until a level is clicked; none when the player closes the window instead.
std::optional<std::size_t> chooseLevel(sf::RenderWindow& window, const LadderView& view,
                                       const std::string& message) {
    std::optional<std::size_t> lit;
    for (;;) {
        view.draw(window, lit, message);
        window.display();
        sf::Event event;
        if (!window.waitEvent(event)) {
            return std::nullopt;
        }
        do {
            const auto& mouse = event.mouseButton;
            switch (event.type) {
                case sf::Event::Closed:
                    return std::nullopt;
                case sf::Event::KeyPressed:
                    if (event.key.code == sf::Keyboard::Escape) {
                        return std::nullopt;
                    }
                    break;
                case sf::Event::MouseMoved:
                    lit = view.layout().levelAt(
                        sf::Vector2f(sf::Vector2i(event.mouseMove.x, event.mouseMove.y)));
                    break;
                case sf::Event::MouseLeft:
                    lit.reset();
                    break;
                case sf::Event::MouseButtonPressed:
                    if (mouse.button == sf::Mouse::Left) {
                        const auto chosen =
                            view.layout().levelAt(sf::Vector2f(sf::Vector2i(mouse.x, mouse.y)));
                        if (chosen) {
                            return chosen;
                        }
                    }
                    break;
                default:
                    break;
            }
        } while (window.pollEvent(event));
    }
}

int choose(const ChooserOptions& options) {
    const Ladder ladder = Ladder::load(options.data);
    const sf::Font font = loadFont(options.data);
    if (access(options.launcher.c_str(), X_OK) != 0) {
        throw std::runtime_error(options.launcher + " cannot be run: " + std::strerror(errno));
    }
    const DisplayConnection display("the levels");
    std::string message;
    if (options.file) {
        message = play({options.launcher, "--", *options.file}, *options.file);
    }
    const LadderView view(ladder, font, sf::Vector2f(kWindowSize));
    sf::RenderWindow window;
    for (;;) {
        // The window goes while a level is played, so that only the game's is on screen.
        window.create(sf::VideoMode(kWindowSize.x, kWindowSize.y), "Zembrook",
                      sf::Style::Titlebar | sf::Style::Close);
        window.setVerticalSyncEnabled(true);
        const std::optional<std::size_t> chosen = chooseLevel(window, view, message);
        window.close();
        if (!chosen) {
            return 0;
        }
        const LevelEntry& entry = ladder.levels()[*chosen].entry;
        message = play({options.launcher, entry.name}, entry.title);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Every failure is told below in one line of our own; the library's lines would only add
    // a second, vaguer one.
    sf::err().rdbuf(nullptr);
    ChooserOptions options;
    try {
        options = ChooserOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "zembrook-chooser: " << error.what() << '\n'
                  << "Try 'zembrook-chooser --help' for more information.\n";
        return 2;
    }
    if (options.help) {
        std::cout << kChooserUsage;
        return 0;
    }
    try {
        return choose(options);
    } catch (const LadderError& error) {
        std::cerr << error.what() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "zembrook-chooser: " << error.what() << '\n';
    }
    return 1;
}
