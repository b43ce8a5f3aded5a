#include "report/OpeningsPicture.hpp"

#include <algorithm>
#include <string>

#include "toolkit/ColorGradient.hpp"

namespace {

// Three by five dots a digit, row by row: the legend needs numbers, and a font would need a
// display to be drawn with.
const char* const kDigits[] = {
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"};
constexpr unsigned kDot = 3;
constexpr unsigned kLegendHeight = 7 * kDot * 2;
// How much of a cell's picture the tint covers: the cell stays recognisable beneath it.
constexpr float kTint = 0.55f;

sf::Color shareColour(float share) {
    tk::ColorGradient gradient;
    gradient[0.f] = sf::Color(200, 40, 40);
    gradient[0.5f] = sf::Color(225, 200, 40);
    gradient[1.f] = sf::Color(40, 190, 70);
    return gradient.sampleColor(share);
}

sf::Color mix(sf::Color under, sf::Color over) {
    const auto channel = [](sf::Uint8 a, sf::Uint8 b) {
        return static_cast<sf::Uint8>(static_cast<float>(a) * (1.f - kTint) +
                                      static_cast<float>(b) * kTint);
    };
    return {channel(under.r, over.r), channel(under.g, over.g), channel(under.b, over.b)};
}

void fill(sf::Image& image, sf::Vector2u from, sf::Vector2u size, sf::Color colour) {
    for (unsigned y = from.y; y < from.y + size.y && y < image.getSize().y; ++y) {
        for (unsigned x = from.x; x < from.x + size.x && x < image.getSize().x; ++x) {
            image.setPixel(x, y, colour);
        }
    }
}

void writeNumber(sf::Image& image, int number, sf::Vector2u middle) {
    const std::string text = std::to_string(number);
    const unsigned width = static_cast<unsigned>(text.size()) * 4 * kDot - kDot;
    unsigned left = middle.x - std::min(middle.x, width / 2);
    const unsigned top = middle.y - std::min(middle.y, 5 * kDot / 2);
    for (const char digit : text) {
        const char* const dots = kDigits[digit - '0'];
        for (unsigned i = 0; i < 15; ++i) {
            if (dots[i] == '1') {
                fill(image, {left + (i % 3) * kDot, top + (i / 3) * kDot}, {kDot, kDot},
                     sf::Color::Black);
            }
        }
        left += 4 * kDot;
    }
}

}  // namespace

sf::Image paintOpenings(const sf::Image& level, std::uint32_t side,
                        const std::vector<OpeningResult>& results, int seeds) {
    const sf::Vector2u edge = level.getSize();
    const unsigned cell = side > 0 ? edge.x / side : 1;
    std::vector<int> best(static_cast<std::size_t>(side) * side, -1);
    for (const OpeningResult& result : results) {
        int& held = best[result.opening.cell.y * side + result.opening.cell.x];
        held = std::max(held, result.held);
    }
    sf::Image picture;
    picture.create(edge.x, edge.y + kLegendHeight, sf::Color::Black);
    picture.copy(level, 0, 0);
    for (std::uint32_t i = 0; i < best.size(); ++i) {
        if (best[i] < 0) {
            continue;
        }
        const sf::Color tint = shareColour(static_cast<float>(best[i]) / static_cast<float>(seeds));
        const sf::Vector2u from((i % side) * cell, (i / side) * cell);
        for (unsigned y = from.y; y < from.y + cell; ++y) {
            for (unsigned x = from.x; x < from.x + cell; ++x) {
                picture.setPixel(x, y, mix(picture.getPixel(x, y), tint));
            }
        }
    }
    const unsigned swatch = edge.x / static_cast<unsigned>(seeds + 1);
    for (int held = 0; held <= seeds; ++held) {
        const sf::Vector2u from(static_cast<unsigned>(held) * swatch, edge.y + kDot);
        fill(picture, from, {swatch - 1, kLegendHeight - 2 * kDot},
             shareColour(static_cast<float>(held) / static_cast<float>(seeds)));
        writeNumber(picture, held, {from.x + swatch / 2, edge.y + kLegendHeight / 2});
    }
    return picture;
}
