#pragma once

#include <stdexcept>

// A mistake on the command line: the program says what it was, shows its usage and ends with
// status 2, before any file is read.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
