// zembrook-chooser: the ladder of bundled levels in a window, for players who start the game
// from a desktop menu rather than a terminal. The launcher plays what they choose.

#include <unistd.h>

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Err.hpp>
#include <SFML/Window/Event.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.hpp"
#include "ChooserOptions.hpp"
#include "Ladder.hpp"
#include "LadderView.hpp"
#include "app/DisplayConnection.hpp"
#include "console/DiagnosticPrinter.hpp"
#include "console/Printable.hpp"
#include "console/UsageError.hpp"

namespace {

const char* const kProgram = "zembrook-chooser";
// The size the ladder is drawn at; a window of another size shows it stretched.
const sf::Vector2u kWindowSize(1024, 768);

sf::Font loadFont(const std::string& data) {
    const std::string path = data + "/assets/fonts/sansation.ttf";
    sf::Font font;
    if (!font.loadFromFile(path)) {
        throw std::runtime_error("cannot read the font " + path);
    }
    return font;
}

// A line that is already whole, such as the game's own words, as it came but printable.
void passOn(DiagnosticPrinter& printer, const std::string& line) {
    printer.verbatim(printable(line) + "\n");
}

// Runs the launcher, to play or to watch, and gives what the player should read under the
// ladder after; `failure` starts the line told when it ends in failure with nothing said.
std::string launch(const std::vector<std::string>& command, const std::string& failure,
                   DiagnosticPrinter& printer) {
    const ChildOutcome outcome =
        ChildProcess::run(command, [&printer](const std::string& line) { passOn(printer, line); });
    if (outcome.status == 0) {
        return {};
    }
    if (!outcome.lastWords.empty()) {
        return outcome.lastWords;
    }
    return failure + ": the launcher ended with status " + std::to_string(outcome.status);
}

// The launcher's arguments for a card's choice: the level's name, after --watch to watch it.
std::vector<std::string> launcherCommand(const std::string& launcher, CardAction action,
                                         const std::string& name) {
    std::vector<std::string> command{launcher};
    if (action == CardAction::Watch) {
        command.push_back("--watch");
    }
    command.push_back(name);
    return command;
}

std::string failureOf(CardAction action, const std::string& title) {
    return title + (action == CardAction::Watch ? " could not be watched" : " could not be played");
}

// How far a key or the wheel scrolls the ladder, in its pixels; none for other events.
std::optional<float> scrolling(const sf::Event& event, const LadderLayout& layout) {
    if (event.type == sf::Event::MouseWheelScrolled &&
        event.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel) {
        return -event.mouseWheelScroll.delta * layout.rowStep();
    }
    if (event.type != sf::Event::KeyPressed) {
        return std::nullopt;
    }
    // Home and End go further than the ladder is long; the view stops at its ends.
    const float whole = layout.scrollLimit();
    switch (event.key.code) {
        case sf::Keyboard::Up:
            return -layout.rowStep();
        case sf::Keyboard::Down:
            return layout.rowStep();
        case sf::Keyboard::PageUp:
            return -layout.pageStep();
        case sf::Keyboard::PageDown:
            return layout.pageStep();
        case sf::Keyboard::Home:
            return -whole;
        case sf::Keyboard::End:
            return whole;
        default:
            return std::nullopt;
    }
}

// Shows the ladder until a card is clicked; none when the player closes the window instead.
std::optional<CardChoice> chooseCard(sf::RenderWindow& window, LadderView& view,
                                     const std::string& message) {
    std::optional<CardChoice> lit;
    std::optional<sf::Vector2i> pointer;
    for (;;) {
        view.draw(window, lit, message);
        window.display();
        sf::Event event;
        if (!window.waitEvent(event)) {
            return std::nullopt;
        }
        do {
            if (const std::optional<float> distance = scrolling(event, view.layout())) {
                view.scrollBy(*distance);
            }
            switch (event.type) {
                case sf::Event::Closed:
                    return std::nullopt;
                case sf::Event::KeyPressed:
                    if (event.key.code == sf::Keyboard::Escape) {
                        return std::nullopt;
                    }
                    break;
                case sf::Event::MouseMoved:
                    pointer = sf::Vector2i(event.mouseMove.x, event.mouseMove.y);
                    break;
                case sf::Event::MouseLeft:
                    pointer.reset();
                    break;
                case sf::Event::MouseButtonPressed:
                    if (event.mouseButton.button == sf::Mouse::Left) {
                        const auto chosen = view.choiceAt(
                            window, sf::Vector2i(event.mouseButton.x, event.mouseButton.y));
                        if (chosen) {
                            return chosen;
                        }
                    }
                    break;
                default:
                    break;
            }
        } while (window.pollEvent(event));
        // After a move, a scroll or a resize alike, the card under the pointer is lit.
        lit = pointer ? view.choiceAt(window, *pointer) : std::nullopt;
    }
}

// The first level left out, under the ladder, for a player who has no terminal to read.
std::string leftOutMessage(const Ladder& ladder) {
    const std::vector<LadderFinding>& leftOut = ladder.leftOut();
    if (leftOut.empty()) {
        return {};
    }
    const std::size_t more = leftOut.size() - 1;
    return DiagnosticPrinter::format(leftOut[0].file, leftOut[0].diagnostic) +
           (more > 0 ? " (and " + std::to_string(more) + " more)" : "");
}

int choose(const ChooserOptions& options, DiagnosticPrinter& printer) {
    const Ladder ladder = Ladder::load(options.data, LadderLayout::kLargestPicture);
    for (const LadderFinding& skipped : ladder.leftOut()) {
        printer.finding(skipped.file, skipped.diagnostic);
    }
    const sf::Font font = loadFont(options.data);
    if (access(options.launcher.c_str(), X_OK) != 0) {
        throw std::runtime_error(options.launcher + " cannot be run: " + std::strerror(errno));
    }
    const DisplayConnection display("the levels");
    std::string message = leftOutMessage(ladder);
    if (options.file) {
        message = launch({options.launcher, "--", *options.file},
                         *options.file + " could not be played", printer);
    }
    LadderView view(ladder, font, sf::Vector2f(kWindowSize));
    sf::RenderWindow window;
    for (;;) {
        // The window goes while a level is played or watched, so that only the game's is on
        // screen.
        window.create(sf::VideoMode(kWindowSize.x, kWindowSize.y), "Zembrook",
                      sf::Style::Titlebar | sf::Style::Close);
        window.setVerticalSyncEnabled(true);
        const std::optional<CardChoice> chosen = chooseCard(window, view, message);
        window.close();
        if (!chosen) {
            return 0;
        }
        const LevelEntry& entry = ladder.levels()[chosen->level].entry;
        message = launch(launcherCommand(options.launcher, chosen->action, entry.name),
                         failureOf(chosen->action, entry.title), printer);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Every failure is told below in one line of our own; the library's lines would only add
    // a second, vaguer one.
    sf::err().rdbuf(nullptr);
    DiagnosticPrinter printer(kProgram, Output(std::cerr, "standard error"),
                              Diagnostic::Severity::Warning);
    try {
        const ChooserOptions options =
            ChooserOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            writeStandardOutput(kChooserUsage);
            return 0;
        }
        return choose(options, printer);
    } catch (const UsageError& mistake) {
        printer.error(mistake.what());
        printer.verbatim(std::string("Try '") + kProgram + " --help' for more information.\n");
        return 2;
    } catch (const LadderError& error) {
        printer.finding(error.finding().file, error.finding().diagnostic);
    } catch (const ManifestError& error) {
        printer.finding(error.file(), error.diagnostic());
    } catch (const std::bad_alloc&) {
        printer.error("out of memory");
    } catch (const std::exception& error) {
        printer.error(error.what());
    }
    return 1;
}
