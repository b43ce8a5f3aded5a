#pragma once

#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// Tests that open a window or a GL context need an X display; without one SFML aborts, so
// such tests skip themselves instead.
inline bool hasDisplay() {
    return std::getenv("DISPLAY") != nullptr;
}

// The software GL driver keeps allocations for the life of the process, out of our reach.
// Tests that create a context hold one of these so LeakSanitizer judges only our own code.
class GraphicsLeakGuard {
public:
    GraphicsLeakGuard() {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_disable();
#endif
    }
    ~GraphicsLeakGuard() {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
    }
    GraphicsLeakGuard(const GraphicsLeakGuard&) = delete;
    GraphicsLeakGuard& operator=(const GraphicsLeakGuard&) = delete;
};
