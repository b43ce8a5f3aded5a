#include "ui/Renderer.hpp"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "entities/Entity.hpp"
#include "entities/ObjectCode.hpp"
#include "entities/Projectile.hpp"
#include "toolkit/ColorGradient.hpp"
#include "ui/Assets.hpp"
#include "ui/BuildEntry.hpp"
#include "ui/ParticleEffects.hpp"
#include "ui/TimelineButton.hpp"
#include "world/TileMap.hpp"

namespace {

const std::string kFontName = "sansation.ttf";
const sf::Color kUnaffordable(100, 100, 100, 255);
const sf::Color kPlaceholderFill(100, 90, 100, 255);
const sf::Color kQuietOutline(100, 100, 100, 255);

sf::Color buildTextColour(std::int32_t code) {
    switch (code) {
        case BuildTurret:
            return {60, 110, 160, 255};
        case BuildBarricade:
            return {125, 100, 70, 255};
        case BuildMine:
            return {100, 150, 50, 255};
        default:
            return sf::Color::White;
    }
}

// Green while the humans hold, yellow at an even split, red once the zombies have it all.
sf::Color outbreakColour(float zombieRatio) {
    static const tk::ColorGradient gradient = [] {
        tk::ColorGradient stops;
        stops[0.f] = sf::Color(0, 150, 0, 255);
        stops[0.5f] = sf::Color(255, 255, 0, 255);
        stops[1.f] = sf::Color(255, 0, 0, 255);
        return stops;
    }();
    return gradient.sampleColor(zombieRatio);
}

}  // namespace

Renderer::Renderer(sf::RenderWindow& window, tk::MultiResourceCache& resources)
    : window(&window), resources(&resources) {
    setupParticles();
}

sf::Texture& Renderer::getTexture(const std::string& name) {
    return ::getTexture(*resources, name);
}

sf::Font& Renderer::getFont(const std::string& name) {
    return ::getFont(*resources, name);
}

sf::SoundBuffer& Renderer::getSoundBuffer(const std::string& name) {
    return ::getSoundBuffer(*resources, name);
}

void Renderer::setupParticles() {
    particles.setTexture(getTexture("particle.png"));
    setupParticleFade(particles);
}

void Renderer::drawTileMap(const TileMap& tileMap) {
    sf::Sprite tile;
    for (std::uint32_t row = 0; row < tileMap.size; ++row) {
        for (std::uint32_t column = 0; column < tileMap.size; ++column) {
            const char* const picture = cellPicture(tileMap.at(column, row));
            if (picture == nullptr) {
                continue;
            }
            tile.setTexture(getTexture(picture), true);
            const sf::FloatRect cell = tileMap.cellRect(column, row);
            tile.setPosition(cell.left, cell.top);
            window->draw(tile);
        }
    }
}

void Renderer::drawSprite(const Entity& entity, const std::string& imageName) {
    sf::Texture& texture = getTexture(imageName);
    texture.setSmooth(true);
    sf::Sprite sprite(texture);
    const sf::FloatRect bounds = sprite.getLocalBounds();
    sprite.setOrigin(static_cast<float>(static_cast<int>(bounds.width / 2.f)),
                     static_cast<float>(static_cast<int>(bounds.height / 2.f)));
    sprite.setPosition(entity.position);
    sprite.setRotation(entity.rotation);
    window->draw(sprite);
}

void Renderer::drawGold(std::uint32_t gold, sf::Vector2f position) {
    sf::Text text("Gold: " + std::to_string(gold), getFont(kFontName), 14);
    text.setFillColor(sf::Color::White);
    text.setStyle(sf::Text::Bold);
    text.setPosition(position);
    window->draw(text);
    lastGold = gold;
}

void Renderer::drawParticles() {
    window->draw(particles);
}

sf::Vector2u Renderer::windowSize() const {
    return window->getSize();
}

void Renderer::drawTimelineButton(const TimelineButton& button) {
    sf::RectangleShape shape({button.bounds.width, button.bounds.height});
    shape.setPosition(button.bounds.left, button.bounds.top);
    shape.setOutlineThickness(button.current ? 3.f : 1.f);
    shape.setOutlineColor(button.current ? sf::Color::White : kQuietOutline);
    shape.setFillColor(button.summary.valid ? outbreakColour(button.summary.zombieRatio)
                                            : kPlaceholderFill);
    sf::Text number(std::to_string(button.summary.timePoint.index), getFont(kFontName), 12);
    number.setFillColor(sf::Color::Black);
    number.setPosition(button.bounds.left, button.bounds.top);
    window->draw(shape);
    window->draw(number);
}

void Renderer::drawBuildEntry(const BuildEntry& entry) {
    sf::Sprite picture(getTexture("build.png"), entry.textureRect);
    picture.setPosition(entry.bounds.left, entry.bounds.top);
    const sf::Color colour = entry.cost <= lastGold ? buildTextColour(entry.code) : kUnaffordable;
    const float textLeft = entry.bounds.left - 2.f * entry.bounds.width;

    sf::Text price(std::to_string(entry.cost) + " Gold", getFont(kFontName), 14);
    price.setStyle(sf::Text::Bold);
    price.setFillColor(colour);
    price.setPosition(textLeft, entry.bounds.top + 25.f);

    sf::Text label(entry.label, getFont(kFontName), 14);
    label.setStyle(sf::Text::Bold);
    label.setFillColor(colour);
    label.setPosition(textLeft, entry.bounds.top + 5.f);

    sf::RectangleShape highlight({entry.bounds.width, entry.bounds.height});
    highlight.setPosition(entry.bounds.left, entry.bounds.top);
    highlight.setFillColor(sf::Color::Transparent);
    highlight.setOutlineColor(sf::Color::Yellow);
    highlight.setOutlineThickness(2.f);

    window->draw(price);
    window->draw(label);
    window->draw(picture);
    if (entry.highlighted) {
        window->draw(highlight);
    }
}

void Renderer::drawTitleScreen() {
    drawOverlay({20, 20, 20, 230}, "Zembrook", {60, 135, 190, 255});
}

void Renderer::drawGameOverScreen() {
    drawOverlay({50, 20, 20, 230}, "Game Over", {200, 80, 80, 255});
}

void Renderer::drawOverlay(sf::Color sheetColour, const std::string& word, sf::Color wordColour) {
    const sf::Vector2f size(window->getSize());
    sf::RectangleShape sheet(size);
    sheet.setFillColor(sheetColour);
    sf::Text text(word, getFont(kFontName), 60);
    text.setStyle(sf::Text::Bold);
    text.setFillColor(wordColour);
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.width * 0.5f, bounds.height * 0.5f);
    text.setPosition(size.x * 0.5f, size.y * 0.5f);
    window->draw(sheet);
    window->draw(text);
}

void Renderer::burst(BurstKind kind, float x, float y) {
    addBurst(particles, kind, {x, y});
}

void Renderer::attachTrail(Projectile& projectile) {
    projectile.emitterConnection = addTrail(particles, projectile);
}
