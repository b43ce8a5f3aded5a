#pragma once

#include <string>
#include <vector>

// The three things zembrook-level does, each given the words after its name. Each returns the
// exit status: 0 done, 1 the level or a file failed, 2 bad usage.
int checkCommand(const std::vector<std::string>& arguments);
int simulateCommand(const std::vector<std::string>& arguments);
int renderCommand(const std::vector<std::string>& arguments);
int openingsCommand(const std::vector<std::string>& arguments);

// The usage text, also shown after a mistake on the command line.
extern const char* const kUsage;
int badUsage(const std::string& problem);
