#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/View.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Ladder.hpp"
#include "LadderLayout.hpp"

// Draws the ladder as the chooser's window shows it: for each level a card with its picture,
// title, name, idea, difficulty and watch button, the card under the pointer lit (and its
// button too when the pointer is on it), and at the bottom what went wrong with the last level
// played or watched, or else the lit level's idea in full. It draws at one
// size, which the window stretches to whatever size it is given, as a tiling window manager
// does; a pixel of the window is therefore found on the ladder through the same views the
// drawing went through, scroll included.
class LadderView {
public:
    // Makes a texture of every picture, so a graphics context must be possible by now. `size`
    // is the size the ladder is drawn at.
    LadderView(const Ladder& ladder, const sf::Font& font, sf::Vector2f size);

    const LadderLayout& layout() const { return places; }

    void draw(sf::RenderTarget& target, std::optional<CardChoice> lit,
              const std::string& message) const;
    // What a click at that pixel of the target asks for, found on the cards as they are drawn;
    // none outside the cards and outside the band they are seen in.
    std::optional<CardChoice> choiceAt(const sf::RenderTarget& target, sf::Vector2i pixel) const;
    // Scrolls the ladder down by that many of its pixels, or up when negative, no further
    // than its ends.
    void scrollBy(float distance);

private:
    sf::View wholeView() const;
    sf::View bandView() const;
    void drawHeader(sf::RenderTarget& target) const;
    void drawCard(sf::RenderTarget& target, std::size_t level, std::optional<CardAction> lit) const;
    void drawDifficulty(sf::RenderTarget& target, const CardText& place, int difficulty) const;
    void drawWatchButton(sf::RenderTarget& target, std::size_t level, bool lit) const;
    void drawScrollBar(sf::RenderTarget& target) const;
    // Text from outside, a manifest or the launcher's words, made printable first.
    sf::Text text(const std::string& utf8, unsigned letters, sf::Color colour) const;

    const Ladder& ladder;
    const sf::Font& font;
    sf::Vector2f size;
    LadderLayout places;
    std::vector<sf::Texture> pictures;
    float scroll = 0.f;  // how far down the ladder the band shows, in ladder pixels
};
