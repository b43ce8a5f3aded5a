#pragma once

#include <SFML/Graphics/Image.hpp>

class OutputFile;

// Writes the image as a PNG file to the output, which may also be standard output, a device or
// a pipe, whatever its name ends in. SFML's own saving ignores a failed write, so that a full disk
// would leave a cut picture and a success; here it is encoded into a private temporary folder,
// checked to be whole, and copied to the path with every write checked. Throws std::runtime_error
// saying what failed and why.
void writePng(const sf::Image& image, const OutputFile& output);
