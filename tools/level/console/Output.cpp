#include "console/Output.hpp"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <stdexcept>

void Output::write(std::string_view text) {
    if (failed) {
        return;
    }
    errno = 0;
    stream << text;
    noteFailure();
}

void Output::flush() {
    if (!failed) {
        errno = 0;
        stream.flush();
        noteFailure();
    }
}

void Output::finish() {
    flush();
    if (failed) {
        throw std::runtime_error("cannot write to " + name + (reason.empty() ? "" : ": " + reason));
    }
}

void Output::noteFailure() {
    if (!stream) {
        failed = true;
        reason = errno != 0 ? std::strerror(errno) : "";
    }
}

void writeStandardOutput(std::string_view text) {
    Output out(std::cout, "standard output");
    out.write(text);
    out.finish();
}

void writeStandardError(std::string_view text) {
    Output out(std::cerr, "standard error");
    out.write(text);
    out.finish();
}
