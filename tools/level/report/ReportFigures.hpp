#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

// The figures the simulator's reports share: times of play, and medians over seeds in which
// an endless time stands for a game that never got there.
struct SeedRun;

namespace figures {

constexpr double kNever = std::numeric_limits<double>::infinity();

// "m:ss" of whole seconds, rounded.
std::string clock(double seconds);
// The clock, or the given word for an endless time.
std::string moment(double seconds, const char* never);
// The seconds of play at the end of a step; endless for none.
double secondsAt(const std::optional<std::uint32_t>& step);
// When the game was lost; endless for a game not lost.
double lostSeconds(const SeedRun& run);
// The middle value, or the mean of the two middle ones.
double median(std::vector<double> values);

}  // namespace figures
