#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "cli/OptionRow.hpp"

// The options that more than one command takes, each declared here once with its default, its
// range and its words in the usage. A command keeps one of these and takes the rows it needs,
// so that the commands cannot come to disagree about them.
struct SharedOptions {
    enum class Row { Seeds, Minutes, Jobs, Cell, Assets };

    long seeds;
    long minutes;
    long jobs = 0;  // one per processor
    long cell;
    std::string assets;

    SharedOptions();

    // The rows asked for, in the order asked, each writing into this.
    std::vector<OptionRow> rows(std::initializer_list<Row> wanted);
    // Every row as the usage lists it: "--seeds N" and what it does.
    static std::vector<std::pair<std::string, std::string>> listed();
};
