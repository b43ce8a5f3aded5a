#pragma once

#include <string>
#include <vector>

struct stat;

// A file a command writes, named on its command line, judged before any work is done for it:
// writing it must not destroy a file the command reads. "-" is standard output, where a
// binary result is written only when it does not go to a terminal, which it would garble.
class OutputFile {
public:
    // A file the command reads, with what the command calls it: {"the level", "town.txt"}.
    struct Input {
        std::string what;
        std::string path;
    };

    // Throws std::runtime_error naming both when the output is one of the inputs however it is
    // reached: the same path written otherwise, a hard link or a symbolic link (the same device
    // and inode). Also when it cannot be written whatever the work gives: a folder, a path the
    // system cannot follow, or standard output on a terminal. An output that does not exist
    // yet is fine.
    OutputFile(std::string what, std::string word, std::vector<Input> inputs);

    bool isStandardOutput() const { return word == "-"; }
    const std::string& path() const { return word; }
    // As the command line named it, for messages: "'out.png'" or "standard output".
    std::string name() const;
    // Opens it for writing, emptied, and judges it again on what was opened, so that a link
    // made onto an input during the work is refused too. The caller closes a file; standard
    // output stays open. Returns -1 with errno when it cannot be opened.
    int open() const;

private:
    void judge() const;
    void refuseIfAnInput(const struct stat& output) const;

    std::string what;
    std::string word;
    std::vector<Input> inputs;
};
