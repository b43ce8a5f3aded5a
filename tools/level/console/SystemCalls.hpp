#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// What the level tool's own calls to the system need around them.

// A failure naming what was being done and the system's reason, errno as it stands now.
std::runtime_error systemError(const std::string& what);
// Writes every byte, going on after an interrupted or partial write; false on a failure, with
// errno saying why.
bool writeAll(int fd, std::string_view bytes);
