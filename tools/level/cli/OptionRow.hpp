#pragma once

#include <string>
#include <vector>

#include "console/OptionParser.hpp"

// An option as zembrook-level declares it: the parser's row, the word standing for its value in
// the usage (none for a flag), and what it does, for the options the usage lists apart (those
// more than one command takes; the others are told with their command). The parser and the
// usage both read these, so that neither can name an option the other does not know.
struct OptionRow {
    Option option;
    std::string value = {};
    std::string help = {};
};

// The parser's rows of a command's table.
std::vector<Option> parserRows(const std::vector<OptionRow>& rows);
// A command's options as its synopsis shows them: "[--csv] [--player NAME]... [--seeds N]".
std::string synopsisOf(const std::vector<OptionRow>& rows);
