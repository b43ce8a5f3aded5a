#include "support/Display.hpp"

#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

// An X server resets when its last client leaves, and refuses connections until the reset is
// over; on a loaded machine that takes long enough for the next test program to start, and
// SFML aborts when its connection is refused. So the first display test of a program waits
// until the server answers, and then stays connected: with a client always there, the server
// cannot reset under this program, however its windows and contexts come and go.
class DisplayConnection {
public:
    DisplayConnection() {
        if (std::getenv("DISPLAY") == nullptr) {
            return;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while ((display = XOpenDisplay(nullptr)) == nullptr) {
            if (std::chrono::steady_clock::now() > deadline) {
                throw std::runtime_error("the X server of DISPLAY takes no connection");
            }
            // A pause between attempts leaves the loaded server the time to finish.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~DisplayConnection() {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    bool isOpen() const { return display != nullptr; }

private:
    Display* display = nullptr;
};

}  // namespace

bool hasDisplay() {
    static const DisplayConnection connection;
    return connection.isOpen();
}
