// Preloaded into the game by the end-to-end harness (LD_PRELOAD). It writes one line per frame the
// game shows, with a few sampled pixels, and one line per input event the game takes from the X
// server (and keeps libraries from being unloaded, see dlclose below). Screenshots only show what
// is on screen "by now"; this log tells exactly which frames came before and after an input, and
// whether a frame was ever shown at all.
//
// Environment: ZEMBROOK_PROBE_LOG names the log file (without it the probe stays silent);
// ZEMBROOK_PROBE_PIXELS lists window points as "x,y;x,y;...".
//
// Log lines:  frame <index> <monotonic ns> <r,g,b> <r,g,b> ...
//             event <X event type> <frames shown so far> <monotonic ns>
//             start <monotonic ns>   (once, when the game is loaded)

#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

namespace {

using SwapBuffers = void (*)(Display*, GLXDrawable);
using CheckIfEvent = Bool (*)(Display*, XEvent*, Bool (*)(Display*, XEvent*, XPointer), XPointer);
using ReadPixels = void (*)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);

// The probe's whole state, one per process.
struct Probe {
    std::FILE* log = nullptr;
    std::vector<std::pair<int, int>> points;
    unsigned long frames = 0;
};

// Reads "x,y;x,y" and ignores anything that does not parse.
std::vector<std::pair<int, int>> parsePoints(const char* text) {
    std::vector<std::pair<int, int>> points;
    while (text != nullptr && *text != '\0') {
        int x = 0;
        int y = 0;
        if (std::sscanf(text, "%d,%d", &x, &y) == 2) {
            points.emplace_back(x, y);
        }
        const char* next = text;
        while (*next != '\0' && *next != ';') {
            ++next;
        }
        text = (*next == ';') ? next + 1 : next;
    }
    return points;
}

Probe makeProbe() {
    Probe created;
    if (const char* path = std::getenv("ZEMBROOK_PROBE_LOG")) {
        created.log = std::fopen(path, "w");
    }
    created.points = parsePoints(std::getenv("ZEMBROOK_PROBE_PIXELS"));
    return created;
}

// The log stays open to the end of the process; every line is flushed as it is written, so the
// log is complete however the game ends.
Probe& probe() {
    static Probe instance = makeProbe();
    return instance;
}

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

unsigned drawableHeight(Display* display, GLXDrawable drawable) {
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    XGetGeometry(display, drawable, &root, &x, &y, &width, &height, &border, &depth);
    return height;
}

// Reads the sampled points from the back buffer, which holds the frame about to be shown.
std::string samplePixels(Display* display, GLXDrawable drawable) {
    static const auto readPixels =
        reinterpret_cast<ReadPixels>(dlsym(RTLD_DEFAULT, "glReadPixels"));
    std::string text;
    if (probe().points.empty()) {
        return text;
    }
    const int height = static_cast<int>(drawableHeight(display, drawable));
    for (const auto& [x, y] : probe().points) {
        unsigned char rgba[4] = {0, 0, 0, 0};
        if (readPixels != nullptr) {
            readPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        }
        char item[32];
        std::snprintf(item, sizeof item, " %d,%d,%d", rgba[0], rgba[1], rgba[2]);
        text += item;
    }
    return text;
}

// Marks the log as soon as the game is loaded, so a test can tell "no frame was shown" from "the
// probe was not there".
__attribute__((constructor)) void announce() {
    Probe& state = probe();
    if (state.log != nullptr) {
        std::fprintf(state.log, "start %lld\n", monotonicNanoseconds());
        std::fflush(state.log);
    }
}

bool isInput(int type) {
    return type == ButtonPress || type == KeyPress || type == ClientMessage;
}

}  // namespace

extern "C" {

// Every frame the game shows passes through here.
void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto realSwap = reinterpret_cast<SwapBuffers>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    Probe& state = probe();
    if (state.log != nullptr) {
        const std::string pixels = samplePixels(display, drawable);
        std::fprintf(state.log, "frame %lu %lld%s\n", state.frames, monotonicNanoseconds(),
                     pixels.c_str());
        std::fflush(state.log);
    }
    ++state.frames;
    realSwap(display, drawable);
}

// Keeps every library loaded to the end of the process. The leak check of a sanitized build runs
// after the graphics driver has been unloaded, and memory that only the driver still pointed to
// would then be reported as leaked by an unknown module, a fault of neither the game nor the test.
int dlclose(void*) {
    return 0;
}

// The window library takes its events one by one through here.
Bool XCheckIfEvent(Display* display, XEvent* event, Bool (*predicate)(Display*, XEvent*, XPointer),
                   XPointer argument) {
    static const auto realCheck = reinterpret_cast<CheckIfEvent>(dlsym(RTLD_NEXT, "XCheckIfEvent"));
    const Bool found = realCheck(display, event, predicate, argument);
    Probe& state = probe();
    if (found && state.log != nullptr && isInput(event->type)) {
        std::fprintf(state.log, "event %d %lu %lld\n", event->type, state.frames,
                     monotonicNanoseconds());
        std::fflush(state.log);
    }
    return found;
}
}
