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
    return 0;
}
