#pragma once

#include <cstddef>
#include <string>

// The bytes of a file, or why they were not read.
struct PlainFileText {
    std::string text;
    std::string problem;  // empty when the text is the whole file
};

// Reads a file of the levels folder only when it is a plain file of at most `limit` bytes, a
// whole number of MiB. A FIFO would wait for a writer forever and a device such as /dev/zero
// never ends, so the file is opened without waiting, and its type and size are looked at on
// what was opened, which a swap of the name in between cannot change, before a byte is read.
PlainFileText readPlainFile(const std::string& path, std::size_t limit);
