#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "app/Application.hpp"
#include "app/DisplayConnection.hpp"

int main() {
    std::optional<DisplayConnection> display;
    try {
        display.emplace("the game");
    } catch (const std::runtime_error& missing) {
        std::cerr << "zembrook: " << missing.what() << '\n';
        return 1;
    }
    try {
        Application application;
        application.run();
    } catch (const std::exception& error) {
        std::cerr << "\nEXCEPTION: " << error.what() << std::endl;
    }
    // 0 after an exception too, on purpose: the "EXCEPTION:" line is how the game tells of a
    // failure, and its status is the same in every case it handles (the missing-asset tests
    // hold it to both). Do not turn this into a failure status.
    return 0;
}
