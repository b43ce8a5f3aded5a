#include "LadderView.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "console/Printable.hpp"
#include "toolkit/ColorGradient.hpp"

namespace {

const sf::Color kCard(28, 28, 34);
const sf::Color kLitCard(48, 48, 62);
const sf::Color kQuiet(170, 170, 170);
const sf::Color kTrouble(235, 120, 100);
const sf::Color kScrollBar(90, 90, 100);
const sf::Color kButton(62, 66, 84);
const sf::Color kLitButton(92, 98, 128);
const sf::Uint32 kEllipsis = 0x2026;
// More characters than a line of the window holds, so that a line of any length from outside
// costs no more to fit than this.
constexpr std::size_t kLongestLine = 300;

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

// Cuts a line that would run into its neighbour, and says so with an ellipsis; a room too
// narrow for even the ellipsis shows nothing. The longest start that fits is searched by
// halves, since a manifest's line may be long.
void fitWidth(sf::Text& text, float width) {
    const sf::String whole = text.getString();
    if (text.getLocalBounds().width <= width) {
        return;
    }
    std::size_t fits = 0;
    std::size_t tooLong = whole.getSize();
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        text.setString(whole.substring(0, middle) + sf::String(kEllipsis));
        (text.getLocalBounds().width <= width ? fits : tooLong) = middle;
    }
    text.setString(whole.substring(0, fits) + sf::String(kEllipsis));
    if (text.getLocalBounds().width > width) {
        text.setString("");
    }
}

}  // namespace

LadderView::LadderView(const Ladder& ladder, const sf::Font& font, sf::Vector2f size)
    : ladder(ladder),
      font(font),
      size(size),
      places(ladder.levels().size(), size),
      pictures(ladder.levels().size()) {
    for (std::size_t level = 0; level < pictures.size(); ++level) {
        if (!pictures[level].loadFromImage(ladder.levels()[level].picture)) {
            throw std::runtime_error("cannot make a texture of the picture of '" +
                                     ladder.levels()[level].entry.name + "'");
        }
        // A crowded ladder shows the pictures smaller than painted: mipmaps keep the streets
        // from shimmering.
        pictures[level].setSmooth(true);
        pictures[level].generateMipmap();
    }
}

void LadderView::draw(sf::RenderTarget& target, std::optional<CardChoice> lit,
                      const std::string& message) const {
    target.setView(wholeView());
    target.clear(sf::Color::Black);
    drawHeader(target);
    drawScrollBar(target);
    // A card may cut its idea short; the footer has room for the whole line of the lit one.
    sf::Text footer = text(message, 16, kTrouble);
    if (message.empty() && lit) {
        const LevelEntry& entry = ladder.levels()[lit->level].entry;
        const bool watch = lit->action == CardAction::Watch;
        footer = text(entry.title + (watch ? ": watch the strongest reference player hold it"
                                           : ": " + entry.idea),
                      16, kQuiet);
    }
    footer.setPosition(LadderLayout::kMargin, size.y - LadderLayout::kFooter + 10.f);
    fitWidth(footer, size.x - 2.f * LadderLayout::kMargin);
    target.draw(footer);

    // Only the cards in the band are drawn, and nothing of them outside it.
    target.setView(bandView());
    const sf::FloatRect band = places.band();
    for (std::size_t level = 0; level < pictures.size(); ++level) {
        const sf::FloatRect box = places.card(level);
        if (box.top + box.height >= band.top + scroll &&
            box.top <= band.top + band.height + scroll) {
            const bool litCard = lit && lit->level == level;
            drawCard(target, level,
                     litCard ? std::optional<CardAction>(lit->action) : std::nullopt);
        }
    }
    target.setView(wholeView());
}

std::optional<CardChoice> LadderView::choiceAt(const sf::RenderTarget& target,
                                               sf::Vector2i pixel) const {
    const sf::Vector2f onWindow = target.mapPixelToCoords(pixel, wholeView());
    if (!places.band().contains(onWindow)) {
        return std::nullopt;
    }
    return places.choiceAt(target.mapPixelToCoords(pixel, bandView()));
}

void LadderView::scrollBy(float distance) {
    scroll = std::clamp(scroll + distance, 0.f, places.scrollLimit());
}

sf::View LadderView::wholeView() const {
    return sf::View(sf::FloatRect(0.f, 0.f, size.x, size.y));
}

sf::View LadderView::bandView() const {
    const sf::FloatRect band = places.band();
    sf::View view(sf::FloatRect(band.left, band.top + scroll, band.width, band.height));
    view.setViewport(sf::FloatRect(band.left / size.x, band.top / size.y, band.width / size.x,
                                   band.height / size.y));
    return view;
}

void LadderView::drawHeader(sf::RenderTarget& target) const {
    sf::Text name = text("Zembrook", 40, sf::Color::White);
    name.setStyle(sf::Text::Bold);
    name.setPosition(LadderLayout::kMargin, 12.f);
    target.draw(name);
    const std::string scrolls =
        places.scrollLimit() > 0.f ? " The wheel and the arrow keys scroll." : "";
    sf::Text hint =
        text("Click a level to play it, or \"watch\" to see it held; the easiest first." + scrolls +
                 " Esc quits.",
             16, kQuiet);
    hint.setPosition(LadderLayout::kMargin, 62.f);
    target.draw(hint);
}

// `lit` is what the pointer on the card would do, none when it is elsewhere.
void LadderView::drawCard(sf::RenderTarget& target, std::size_t level,
                          std::optional<CardAction> lit) const {
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

    const LevelEntry& entry = ladder.levels()[level].entry;
    const CardText place = places.text(level);
    sf::Text title = text(entry.title, place.titleSize, sf::Color::White);
    title.setStyle(sf::Text::Bold);
    title.setPosition(place.title);
    fitWidth(title, place.width);
    target.draw(title);
    sf::Text idea = text(entry.idea, place.lineSize, kQuiet);
    idea.setPosition(place.idea);
    fitWidth(idea, place.width);
    target.draw(idea);
    sf::Text name = text("zembrook " + entry.name, place.lineSize, kQuiet);
    name.setPosition(place.name);
    fitWidth(name, place.width);
    target.draw(name);
    drawDifficulty(target, place, entry.difficulty);
    drawWatchButton(target, level, lit == CardAction::Watch);
}

void LadderView::drawDifficulty(sf::RenderTarget& target, const CardText& place,
                                int difficulty) const {
    sf::Text figure =
        text(std::to_string(difficulty), place.figureSize, difficultyColour(difficulty));
    figure.setStyle(sf::Text::Bold);
    figure.setPosition(place.difficultyMiddle - figure.getLocalBounds().width / 2.f,
                       place.figureTop);
    target.draw(figure);
    sf::Text label = text("difficulty", place.labelSize, kQuiet);
    label.setPosition(place.difficultyMiddle - label.getLocalBounds().width / 2.f, place.labelTop);
    target.draw(label);
}

void LadderView::drawWatchButton(sf::RenderTarget& target, std::size_t level, bool lit) const {
    const sf::FloatRect box = places.watchButton(level);
    sf::RectangleShape button({box.width, box.height});
    button.setPosition(box.left, box.top);
    button.setFillColor(lit ? kLitButton : kButton);
    button.setOutlineColor(sf::Color::Yellow);
    button.setOutlineThickness(lit ? -1.f : 0.f);
    target.draw(button);
    sf::Text word = text("watch", places.text(level).watchSize, sf::Color::White);
    // Centred on the letters' own box, which starts right of and below the text's origin.
    const sf::FloatRect letters = word.getLocalBounds();
    word.setPosition(std::round(box.left + (box.width - letters.width) / 2.f - letters.left),
                     std::round(box.top + (box.height - letters.height) / 2.f - letters.top));
    target.draw(word);
}

void LadderView::drawScrollBar(sf::RenderTarget& target) const {
    const float limit = places.scrollLimit();
    if (limit <= 0.f) {
        return;
    }
    // In the right margin, as much shorter than the band as the band is than the ladder.
    const sf::FloatRect band = places.band();
    const float length = std::max(24.f, band.height * band.height / (band.height + limit));
    sf::RectangleShape bar({6.f, length});
    bar.setPosition(size.x - LadderLayout::kMargin / 2.f - 3.f,
                    band.top + (band.height - length) * scroll / limit);
    bar.setFillColor(kScrollBar);
    target.draw(bar);
}

sf::Text LadderView::text(const std::string& utf8, unsigned letters, sf::Color colour) const {
    const std::string shown = printable(utf8, kLongestLine);
    sf::Text line(sf::String::fromUtf8(shown.begin(), shown.end()), font, letters);
    line.setFillColor(colour);
    return line;
}
