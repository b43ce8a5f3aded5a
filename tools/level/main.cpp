// zembrook-level: tools for level makers beside the game: check a level file, play it many
// times unattended, and paint a picture of it.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.hpp"

namespace {

int run(const std::vector<std::string>& words) {
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
    if (command == "openings") {
        return openingsCommand(arguments);
    }
    if (command == "render") {
        return renderCommand(arguments);
    }
    return badUsage("unknown command '" + command + "'");
}

}  // namespace

int main(int argc, char** argv) {
    // Running out of memory on a huge file or picture is a failure like any other, with a line
    // and status 1, not an abort that the launcher could only report as a crash.
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "zembrook-level: " << error.what() << '\n';
        return 1;
    }
}
