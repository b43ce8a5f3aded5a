#pragma once

#include <functional>
#include <string>
#include <vector>

// How a program run by the chooser ended.
struct ChildOutcome {
    int status = 0;         // its exit status, or 128 plus the signal that ended it
    std::string lastWords;  // the last line it wrote to its error stream, if any, as written
};

// Runs another program and waits for it to end, with this program's environment and display:
// the chooser steps aside while the launcher plays a level. Each line the program writes to
// its error stream is handed on as it comes, and its last line is kept, since a player who
// started the game from a menu has no terminal to read why a level would not start.
class ChildProcess {
public:
    // Takes each line the program writes to its error stream, without its line end.
    using LineSink = std::function<void(const std::string&)>;

    // Throws std::runtime_error when the program cannot be started.
    static ChildOutcome run(const std::vector<std::string>& command, const LineSink& relay);
};
