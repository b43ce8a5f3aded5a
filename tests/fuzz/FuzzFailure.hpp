#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken rule found while fuzzing ends the run the way a crash does, so that the fuzzer
// keeps the input that broke it.
[[noreturn]] inline void fuzzFailure(const std::string& rule) {
    std::fprintf(stderr, "\nBROKEN RULE: %s\n", rule.c_str());
    std::abort();
}
