// zembrook-level: tools for level makers beside the game: check a level file, play it many
// times unattended, and paint a picture of it.

#include <iostream>
#include <string>
#include <vector>

#include "Commands.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        return badUsage("no command given");
    }
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h") {
            std::cout << kUsage;
            return 0;
        }
    }
    const std::string& command = words.front();
    const std::vector<std::string> arguments(words.begin() + 1, words.end());
    if (command == "check") {
        return checkCommand(arguments);
    }
    if (command == "simulate") {
        return simulateCommand(arguments);
    }
    if (command == "render") {
        return renderCommand(arguments);
    }
    return badUsage("unknown command '" + command + "'");
}
