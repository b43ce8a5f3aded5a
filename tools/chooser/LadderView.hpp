#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Ladder.hpp"
#include "LadderLayout.hpp"

// Draws the ladder as the chooser's window shows it: for each level a card with its picture,
// title, name, idea and difficulty, the card under the pointer lit, and at the bottom what
// went wrong with the last level played, or else the lit level's idea in full.
class LadderView {
public:
    // Makes a texture of every picture, so a graphics context must be possible by now.
    LadderView(const Ladder& ladder, const sf::Font& font, sf::Vector2f window);

    const LadderLayout& layout() const { return places; }

    void draw(sf::RenderTarget& target, std::optional<std::size_t> lit,
              const std::string& message) const;

private:
    void drawHeader(sf::RenderTarget& target) const;
    void drawCard(sf::RenderTarget& target, std::size_t level, bool lit) const;
    void drawDifficulty(sf::RenderTarget& target, const sf::FloatRect& card, int difficulty) const;
    sf::Text text(const std::string& utf8, float size, sf::Color colour) const;

    const Ladder& ladder;
    const sf::Font& font;
    sf::Vector2f windowSize;
    LadderLayout places;
    std::vector<sf::Texture> pictures;
};
