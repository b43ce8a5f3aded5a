#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

// What the level tool's own calls to the system need around them.

// A failure naming what was being done and the system's reason, errno as it stands now.
std::runtime_error systemError(const std::string& what);
// Why a file could not be opened or looked at, in words that point at what to mend: a loop of
// symbolic links and a path or a name too long for the system are named as what they are,
// with the limit, where the system's own words would leave a person guessing.
std::string whyNot(const std::string& path, int error);
// Writes every byte, going on after an interrupted or partial write; false on a failure, with
// errno saying why.
bool writeAll(int fd, std::string_view bytes);
// Reads the file, a device or a pipe alike, but never more than `limit` bytes of it: what it
// holds beyond is left unread, however much there is. Returns 0, or the errno of the failure.
int readAtMost(const std::string& path, std::size_t limit, std::string& text);
