#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "app/Application.hpp"

// Xlib's macros (None, Bool, Status) would rename the window library's own names, so Xlib
// comes after it.
// clang-format off
#include <X11/Xlib.h>
// clang-format on

namespace {

using DisplayConnection = std::unique_ptr<Display, int (*)(Display*)>;

// Without an X display the window library aborts the whole program, so a player would see a
// crash instead of a reason. The connection is kept while the game runs: an X server with no
// client left may reset itself just when the game opens its window.
DisplayConnection openDisplay() {
    return DisplayConnection(XOpenDisplay(nullptr), XCloseDisplay);
}

std::string displayProblem() {
    const char* const name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        return "no display to show the game on: DISPLAY is not set";
    }
    return "cannot open the display '" + std::string(name) + "'";
}

}  // namespace

int main() {
    const DisplayConnection display = openDisplay();
    if (!display) {
        std::cerr << "zembrook: " << displayProblem() << '\n';
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
