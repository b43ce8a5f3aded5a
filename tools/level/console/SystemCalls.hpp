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
// Reads the file, a device or a pipe alike, into text, but never more than `limit` bytes of it:
// what the file holds beyond is left unread, however much there is. Returns 0, or the system's
// reason of a failure.
int readAtMost(const std::string& path, std::size_t limit, std::string& text);
