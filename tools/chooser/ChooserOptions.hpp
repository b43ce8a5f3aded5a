#pragma once

#include <optional>
#include <string>
#include <vector>

// What the launcher's --choose hands the chooser:
//   zembrook-chooser --launcher PATH --data DIR [--] [FILE]
struct ChooserOptions {
    bool help = false;
    std::string launcher;             // run as "PATH NAME" to play a level of the ladder
    std::string data;                 // holds assets/ and levels/levels.tsv
    std::optional<std::string> file;  // a level file to play before the ladder is shown

    // Throws UsageError.
    static ChooserOptions parse(const std::vector<std::string>& words);
};

extern const char* const kChooserUsage;
