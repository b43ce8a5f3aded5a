#pragma once

#include <SFML/Graphics/Image.hpp>
#include <string>

// Writes the image as a PNG file to the path, which may also be a device or a pipe, whatever
// its name ends in. SFML's own saving ignores a failed write, so that a full disk would leave
// a cut picture and a success; here it is encoded into a private temporary folder, checked to
// be whole, and copied to the path with every write checked. Throws std::runtime_error saying
// what failed and why.
void writePng(const sf::Image& image, const std::string& path);
