#pragma once

#include <string>

struct _XDisplay;

// A connection to the X display, asked for before any window: without a display the window
// library aborts the whole program, so a player would see a crash instead of a reason. Kept
// open while the program runs, because an X server with no client left may reset itself just
// when the program opens its window.
class DisplayConnection {
public:
    // Throws std::runtime_error saying why there is no display "to show WHAT on".
    explicit DisplayConnection(const std::string& what);
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

private:
    _XDisplay* display;
};
