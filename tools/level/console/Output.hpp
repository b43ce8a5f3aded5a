#pragma once

#include <ostream>
#include <string>
#include <string_view>

// A stream the program's results go to, such as standard output into a full disk. The first
// write that fails is remembered with its reason, taken at once while the reason still holds,
// and reported by finish(): a result that did not arrive must not end with status 0.
class Output {
public:
    Output(std::ostream& stream, std::string name) : stream(stream), name(std::move(name)) {}

    // After a failure, later text is dropped: a result with a hole in it is worth nothing.
    void write(std::string_view text);
    void flush();
    // Flushes; throws std::runtime_error naming the output and why when any write failed.
    void finish();

private:
    void noteFailure();

    std::ostream& stream;
    std::string name;
    bool failed = false;
    std::string reason;  // the system's words for the first failure, when it gave any
};

// A whole result to standard output; throws as finish() does when any of it was lost.
void writeStandardOutput(std::string_view text);
// The same to standard error, for a result that standard output cannot take beside another.
void writeStandardError(std::string_view text);
