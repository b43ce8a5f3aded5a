#pragma once

#include <SFML/Graphics/Color.hpp>
#include <map>

namespace tk {

// Colours that blend linearly between stops placed along [0, 1], for values such as a share
// that should read as a colour.
class ColorGradient {
public:
    // The colour of the stop at this position, created black if it was not there.
    sf::Color& operator[](float position);

    // A stop's own colour exactly at a stop; between two stops each channel is blended with
    // c0 + u x (c1 - c0) and cut to a whole number; before the first or after the last stop,
    // that stop's colour. A gradient without stops gives white.
    sf::Color sampleColor(float position) const;

private:
    std::map<float, sf::Color> stops;
};

}  // namespace tk
