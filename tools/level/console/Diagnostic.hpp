#pragma once

#include <string>

// One finding about a level file, placed on the token it is about so that editors can jump
// there. Lines and columns count from 1.
struct Diagnostic {
    // In rising order, so that the least one worth showing can be named.
    enum class Severity { Warning, Error };

    Severity severity = Severity::Error;
    int line = 0;    // 0 when the finding is about the file as a whole (it cannot be read)
    int column = 0;  // 0 when it is about the line as a whole, such as a manifest's row
    std::string message;
};
