#include "app/DisplayConnection.hpp"

#include <X11/Xlib.h>

#include <cstdlib>
#include <stdexcept>

DisplayConnection::DisplayConnection(const std::string& what) : display(XOpenDisplay(nullptr)) {
    if (display != nullptr) {
        return;
    }
    const char* const name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        throw std::runtime_error("no display to show " + what + " on: DISPLAY is not set");
    }
    throw std::runtime_error("cannot open the display '" + std::string(name) + "'");
}

DisplayConnection::~DisplayConnection() {
    XCloseDisplay(display);
}
