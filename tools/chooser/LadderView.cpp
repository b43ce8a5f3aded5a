#include "LadderView.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <algorithm>
#include <stdexcept>

#include "toolkit/ColorGradient.hpp"

namespace {

const sf::Color kCard(28, 28, 34);
const sf::Color kLitCard(48, 48, 62);
const sf::Color kQuiet(170, 170, 170);
const sf::Color kTrouble(235, 120, 100);
// Room at the card's right for the difficulty.
constexpr float kDifficultyWidth = 96.f;

// The timeline's outbreak colours, from a calm green through yellow to red, so that a hard
// level looks like a town being lost.
sf::Color difficultyColour(int difficulty) {
    static const tk::ColorGradient gradient = [] {
        tk::ColorGradient stops;
        stops[0.f] = sf::Color(0, 150, 0);
        stops[0.5f] = sf::Color(255, 255, 0);
        stops[1.f] = sf::Color(255, 0, 0);
        return stops;
    }();
    return gradient.sampleColor(static_cast<float>(difficulty) / 100.f);
}

// Cuts a line that would run into its neighbour, and says so with an ellipsis.
void fitWidth(sf::Text& text, float width) {
    sf::String shown = text.getString();
    while (text.getLocalBounds().width > width && !shown.isEmpty()) {
        shown.erase(shown.getSize() - 1);
        text.setString(shown + sf::String(static_cast<sf::Uint32>(0x2026)));
    }
}

}  // namespace

LadderView::LadderView(const Ladder& ladder, const sf::Font& font, sf::Vector2f window)
    : ladder(ladder),
      font(font),
      windowSize(window),
      places(ladder.levels().size(), window),
      pictures(ladder.levels().size()) {
    for (std::size_t level = 0; level < pictures.size(); ++level) {
        if (!pictures[level].loadFromImage(ladder.levels()[level].picture)) {
            throw std::runtime_error("cannot make a texture of the picture of '" +
                                     ladder.levels()[level].entry.name + "'");
        }
        // Shown many times smaller than painted: mipmaps keep the streets from shimmering.
        pictures[level].setSmooth(true);
        pictures[level].generateMipmap();
    }
}

void LadderView::draw(sf::RenderTarget& target, std::optional<std::size_t> lit,
                      const std::string& message) const {
    target.clear(sf::Color::Black);
    drawHeader(target);
    for (std::size_t level = 0; level < pictures.size(); ++level) {
        drawCard(target, level, lit == level);
    }
    // A card may cut its idea short; the footer has room for the whole line of the lit one.
    sf::Text footer = text(message, 16.f, kTrouble);
    if (message.empty() && lit) {
        const LevelEntry& entry = ladder.levels()[*lit].entry;
        footer = text(entry.title + ": " + entry.idea, 16.f, kQuiet);
    }
    footer.setPosition(LadderLayout::kMargin, windowSize.y - LadderLayout::kFooter + 10.f);
    fitWidth(footer, windowSize.x - 2.f * LadderLayout::kMargin);
    target.draw(footer);
}

void LadderView::drawHeader(sf::RenderTarget& target) const {
    sf::Text name = text("Zembrook", 40.f, sf::Color::White);
    name.setStyle(sf::Text::Bold);
    name.setPosition(LadderLayout::kMargin, 12.f);
    target.draw(name);
    sf::Text hint = text("Click a level to play it, the easiest first. Esc quits.", 16.f, kQuiet);
    hint.setPosition(LadderLayout::kMargin, 62.f);
    target.draw(hint);
}

void LadderView::drawCard(sf::RenderTarget& target, std::size_t level, bool lit) const {
    const sf::FloatRect box = places.card(level);
    sf::RectangleShape card({box.width, box.height});
    card.setPosition(box.left, box.top);
    card.setFillColor(lit ? kLitCard : kCard);
    card.setOutlineColor(sf::Color::Yellow);
    card.setOutlineThickness(lit ? 2.f : 0.f);
    target.draw(card);

    const sf::FloatRect frame = places.picture(level);
    sf::Sprite picture(pictures[level]);
    const sf::Vector2u painted = pictures[level].getSize();
    picture.setScale(frame.width / static_cast<float>(painted.x),
                     frame.height / static_cast<float>(painted.y));
    picture.setPosition(frame.left, frame.top);
    target.draw(picture);

    // Sizes follow the card, so that a crowded ladder still fits its lines inside each card.
    const LevelEntry& entry = ladder.levels()[level].entry;
    const float left = frame.left + frame.width + 12.f;
    const float width = box.left + box.width - kDifficultyWidth - left;
    const float big = std::clamp(box.height * 0.27f, 13.f, 24.f);
    const float small = std::clamp(box.height * 0.2f, 11.f, 16.f);
    sf::Text title = text(entry.title, big, sf::Color::White);
    title.setStyle(sf::Text::Bold);
    title.setPosition(left, frame.top);
    fitWidth(title, width);
    target.draw(title);
    sf::Text idea = text(entry.idea, small, kQuiet);
    idea.setPosition(left, frame.top + big * 1.35f);
    fitWidth(idea, width);
    target.draw(idea);
    sf::Text name = text("zembrook " + entry.name, small, kQuiet);
    name.setPosition(left, frame.top + big * 1.35f + small * 1.4f);
    fitWidth(name, width);
    target.draw(name);
    drawDifficulty(target, box, entry.difficulty);
}

void LadderView::drawDifficulty(sf::RenderTarget& target, const sf::FloatRect& card,
                                int difficulty) const {
    const float size = std::clamp(card.height * 0.4f, 16.f, 36.f);
    sf::Text figure = text(std::to_string(difficulty), size, difficultyColour(difficulty));
    figure.setStyle(sf::Text::Bold);
    const float middle = card.left + card.width - kDifficultyWidth / 2.f;
    figure.setPosition(middle - figure.getLocalBounds().width / 2.f, card.top + 4.f);
    target.draw(figure);
    sf::Text label = text("difficulty", std::clamp(card.height * 0.16f, 10.f, 13.f), kQuiet);
    label.setPosition(middle - label.getLocalBounds().width / 2.f, card.top + 8.f + size * 1.15f);
    target.draw(label);
}

sf::Text LadderView::text(const std::string& utf8, float size, sf::Color colour) const {
    sf::Text shown(sf::String::fromUtf8(utf8.begin(), utf8.end()), font,
                   static_cast<unsigned>(size));
    shown.setFillColor(colour);
    return shown;
}
