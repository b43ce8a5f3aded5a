#pragma once

#include <cstddef>
#include <functional>
#include <string>

class DiagnosticPrinter;

// What more than one command needs, kept in one place.

// The game's pictures, found from where this program lies, so that a moved tree still works:
// beside it in the build's stage, or in the data folder of the tree it is installed in.
std::string defaultAssets();
// Time points in whole minutes of play.
int timePointsIn(long minutes);
// The workers to play games on at once: as many as asked, or one per processor when nothing was
// asked (0), but never more than the processors, which more would only share, each holding its
// own game in memory. A larger number asked is told in a note.
int jobsFor(long asked, DiagnosticPrinter& diagnostics);
// A line that counts work done towards a total, for a person watching a terminal; into a pipe
// or a file it says nothing. It clears itself once the total is reached.
std::function<void(std::size_t done, std::size_t total)> progressOnTerminal(std::string what);
// The same for work whose total is known from the start.
std::function<void(std::size_t done)> progressOnTerminal(std::string what, std::size_t total);
