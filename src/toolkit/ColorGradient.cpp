#include "toolkit/ColorGradient.hpp"

#include <algorithm>
#include <iterator>

namespace tk {

namespace {

// Written as c0 + u x (c1 - c0), a channel equal at both stops keeps its exact value.
sf::Uint8 blendChannel(sf::Uint8 from, sf::Uint8 to, float u) {
    const float value = static_cast<float>(from) + u * (static_cast<float>(to) - from);
    return static_cast<sf::Uint8>(std::clamp(value, 0.f, 255.f));
}

sf::Color blend(const sf::Color& from, const sf::Color& to, float u) {
    return sf::Color(blendChannel(from.r, to.r, u), blendChannel(from.g, to.g, u),
                     blendChannel(from.b, to.b, u), blendChannel(from.a, to.a, u));
}

}  // namespace

sf::Color& ColorGradient::operator[](float position) {
    return stops[position];
}

sf::Color ColorGradient::sampleColor(float position) const {
    if (stops.empty()) {
        return sf::Color::White;
    }
    const auto upper = stops.lower_bound(position);
    if (upper == stops.end()) {
        return std::prev(upper)->second;
    }
    // A NaN position fails every comparison and lands here too, on the first stop.
    if (upper->first == position || upper == stops.begin()) {
        return upper->second;
    }
    const auto lower = std::prev(upper);
    const float u = (position - lower->first) / (upper->first - lower->first);
    return blend(lower->second, upper->second, u);
}

}  // namespace tk
