#include <iostream>

#include "Commands.hpp"

const char* const kUsage =
    "usage: zembrook-level check FILE...\n"
    "       zembrook-level simulate FILE [--seeds N] [--minutes M] [--csv] [--jobs N]\n"
    "       zembrook-level render FILE OUT.png [--assets DIR]\n"
    "\n"
    "check     reads level files as the game does and reports, compiler style,\n"
    "          FILE:LINE:COLUMN: error|warning: MESSAGE, then one summary line per file\n"
    "simulate  plays the level with nobody clicking, for seeds 1..N (default 8) and\n"
    "          M minutes of game time (default 5), and shows how the outbreak spreads;\n"
    "          --csv prints seed,time_point,seconds,zombies,humans,zombie_share rows;\n"
    "          --jobs runs that many games at once (default: one per processor)\n"
    "render    paints the level at 30 pixels a cell with the game's pictures, found in\n"
    "          DIR (default: the game's assets, beside this program or where it is\n"
    "          installed)\n"
    "\n"
    "Exit status: 0 success (warnings allowed), 1 errors in a level or a file, 2 bad usage.\n";

int badUsage(const std::string& problem) {
    std::cerr << "zembrook-level: " << problem << "\n" << kUsage;
    return 2;
}
