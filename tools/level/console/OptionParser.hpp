#pragma once

#include <string>
#include <variant>
#include <vector>

// A whole number option and the range it must lie in, both ends included.
struct WholeNumber {
    long* value;
    long least;
    long most;
};

// One option of a command: its name and where its value goes, which also says whether it
// takes one. A flag sets a bool; text is kept, or added to a list when the option may be given
// again; a whole number is read strictly and held to its range.
struct Option {
    using Destination = std::variant<bool*, std::string*, std::vector<std::string>*, WholeNumber>;

    std::string name;  // "--seeds"
    Destination destination;
};

// Reads a command's words against its table of options, so that every command treats options
// alike: "--name value" or "--name=value", anywhere among the other words, and after "--"
// nothing is an option any more. Throws UsageError naming the word that is wrong.
class OptionParser {
public:
    OptionParser(std::string command, std::vector<Option> options)
        : command(std::move(command)), options(std::move(options)) {}

    // Fills in the options given and returns the other words, in order.
    std::vector<std::string> parse(const std::vector<std::string>& words) const;

private:
    const Option& find(const std::string& name) const;

    std::string command;
    std::vector<Option> options;
};
