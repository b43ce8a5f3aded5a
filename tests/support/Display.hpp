#pragma once

// gcc says it builds with AddressSanitizer in one way, clang in another.
#if defined(__SANITIZE_ADDRESS__)
#define ZEMBROOK_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEMBROOK_ADDRESS_SANITIZER
#endif
#endif

#if defined(ZEMBROOK_ADDRESS_SANITIZER)
#include <sanitizer/lsan_interface.h>
#endif

// Tests that open a window or a GL context call this first and skip themselves when it is
// false: without an X display SFML aborts, which no test can catch. When DISPLAY is set it
// waits for the X server to take a connection and keeps one open until the program ends (see
// Display.cpp), and fails the test if the server never answers.
bool hasDisplay();

// The software GL driver keeps allocations for the life of the process, out of our reach.
// Tests that create a context hold one of these so LeakSanitizer judges only our own code.
class GraphicsLeakGuard {
public:
    GraphicsLeakGuard() {
#if defined(ZEMBROOK_ADDRESS_SANITIZER)
        __lsan_disable();
#endif
    }
    ~GraphicsLeakGuard() {
#if defined(ZEMBROOK_ADDRESS_SANITIZER)
        __lsan_enable();
#endif
    }
    GraphicsLeakGuard(const GraphicsLeakGuard&) = delete;
    GraphicsLeakGuard& operator=(const GraphicsLeakGuard&) = delete;
};
