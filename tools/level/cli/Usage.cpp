#include <algorithm>

#include "cli/Commands.hpp"
#include "cli/SharedOptions.hpp"

namespace {

constexpr std::size_t kWidth = 79;

const char* const kCommandsText =
    "check     reads level files as the game does and reports, compiler style,\n"
    "          FILE:LINE:COLUMN: error|warning: MESSAGE, then a summary per file;\n"
    "          a file over 64 MiB is refused unread\n"
    "simulate  plays the level; with nobody building it shows how the outbreak\n"
    "          spreads (--csv: rows of seed,time_point,seconds,zombies,humans,\n"
    "          zombie_share); with --player idle, hasty, steady, search, plan or\n"
    "          all (repeatable) it plays as those reference players and shows what\n"
    "          each saves and its jumps in time, and for all of them the level's\n"
    "          difficulty, 0 to 100 (--csv: a row per player and seed)\n"
    "openings  tries every single first move (a mine or a barricade at 0:00, a\n"
    "          turret at 0:03, on each free street cell), counts the seeds each\n"
    "          holds with nine humans in ten left, and paints OUT.png tinted by\n"
    "          the best move on each cell, red for no seed, green for all\n"
    "render    paints the level with the game's pictures\n"
    "ladder    measures every level of a manifest (levels/levels.tsv) as simulate\n"
    "          --player all and openings do, and fails when its figures differ\n"
    "          from the manifest's or the ladder's rules break; --write puts them\n"
    "          in, after making sure the manifest can be replaced, and only if it\n"
    "          did not change meanwhile\n"
    "manifest  reads a manifest as every program does and gives its levels' names,\n"
    "          their files, the file of level NAME, the table of zembrook --list\n"
    "          (the default), the manual page's list, or each level's columns\n"
    "film      plays the level as a reference player (default: the strongest)\n"
    "          from seed N (default 1) and paints it as render does at PX pixels\n"
    "          a cell (default 12), a frame every half second for S seconds of\n"
    "          play (default 90, up to 600), into an animated GIF of at most 2 MiB\n";

const char* const kClosing =
    "OUT.png may be -, standard output, unless that is a terminal; openings then\n"
    "writes its summary to standard error. No command writes over a file it reads.\n"
    "Numbers are whole, in plain digits. After --, every word is a file name.\n"
    "Exit status: 0 success (warnings allowed), 1 errors in a level or a failure\n"
    "to read or write, 2 bad usage.\n";

// The words of the text, a bracketed option with its value counting as one, in lines of at
// most kWidth after the lead, each further line indented as far as the lead.
std::string wrapped(std::string line, const std::string& text) {
    const std::string indent(line.size(), ' ');
    std::vector<std::string> words{""};
    int depth = 0;
    for (const char c : text) {
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        if (c == ' ' && depth == 0) {
            words.emplace_back();
        } else {
            words.back() += c;
        }
    }
    std::string lines;
    bool fresh = true;
    for (const std::string& word : words) {
        if (!fresh && line.size() + 1 + word.size() > kWidth) {
            lines += line + "\n";
            line = indent;
            fresh = true;
        }
        line += (fresh ? "" : " ") + word;
        fresh = false;
    }
    return lines + line + "\n";
}

}  // namespace

std::string usage() {
    std::string text;
    for (const NamedCommand& command : commands()) {
        const std::string lead = text.empty() ? "usage: " : "       ";
        text += wrapped(lead + kProgramName + " " + command.name + " ", command.synopsis());
    }
    text += std::string("\n") + kCommandsText + "\n";
    const auto listed = SharedOptions::listed();
    std::size_t widest = 0;
    for (const auto& [words, help] : listed) {
        widest = std::max(widest, words.size());
    }
    for (const auto& [words, help] : listed) {
        text += wrapped(words + std::string(widest + 2 - words.size(), ' '), help);
    }
    return text + "\n" + kClosing;
}
