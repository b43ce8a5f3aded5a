#include <exception>
#include <iostream>

#include "app/Application.hpp"

int main() {
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
