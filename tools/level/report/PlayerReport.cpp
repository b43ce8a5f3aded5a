#include "report/PlayerReport.hpp"

#include <cmath>
#include <cstdio>

#include "play/ReferencePlayers.hpp"
#include "report/Difficulty.hpp"
#include "report/ReportFigures.hpp"

namespace {

using figures::moment;

double share(const SeedRun& run) {
    return run.humansAtStart > 0 ? static_cast<double>(run.humansLeft) / run.humansAtStart : 0.0;
}

// The figures of one game, or the medians of many, as the columns of both tables show them.
struct Row {
    double humansLeft = 0;
    double humansShare = 0;
    double lastZombie = 0;
    double lastHuman = 0;
    double lost = 0;
    double goldSpent = 0;
    double jumpsBack = 0;
    double jumpsForward = 0;

    static Row of(const SeedRun& run) {
        return {static_cast<double>(run.humansLeft),
                share(run),
                figures::secondsAt(run.lastZombieStep),
                figures::secondsAt(run.lastHumanStep),
                figures::lostSeconds(run),
                static_cast<double>(run.goldSpent),
                static_cast<double>(run.jumpsBack),
                static_cast<double>(run.jumpsForward)};
    }

    static Row medianOf(const std::vector<SeedRun>& runs) {
        const auto median = [&runs](double (*figure)(const Row&)) {
            std::vector<double> values;
            for (const SeedRun& run : runs) {
                values.push_back(figure(of(run)));
            }
            return figures::median(values);
        };
        return {median([](const Row& r) { return r.humansLeft; }),
                median([](const Row& r) { return r.humansShare; }),
                median([](const Row& r) { return r.lastZombie; }),
                median([](const Row& r) { return r.lastHuman; }),
                median([](const Row& r) { return r.lost; }),
                median([](const Row& r) { return r.goldSpent; }),
                median([](const Row& r) { return r.jumpsBack; }),
                median([](const Row& r) { return r.jumpsForward; })};
    }

    std::string text() const {
        char line[200];
        std::snprintf(line, sizeof line, "%5g %4.0f%%  %-16s  %-17s  %-9s  %10g  %10g  %7g\n",
                      humansLeft, 100.0 * humansShare, moment(lastZombie, "never").c_str(),
                      moment(lastHuman, "held").c_str(), moment(lost, "not lost").c_str(),
                      goldSpent, jumpsBack, jumpsForward);
        return line;
    }
};

const char* const kColumns =
    "humans left  last zombie fell  last human turned  game lost  gold spent  jumps back  "
    "forward\n";

int heldCount(const std::vector<SeedRun>& runs) {
    int held = 0;
    for (const SeedRun& run : runs) {
        held += run.held() ? 1 : 0;
    }
    return held;
}

std::string csvSeconds(double seconds) {
    return std::isinf(seconds) ? "" : std::to_string(static_cast<long>(std::lround(seconds)));
}

}  // namespace

std::vector<SeedRun> PlayerReport::runsOf(const std::string& player) const {
    for (const Games& played : games) {
        if (played.player == player) {
            return played.runs;
        }
    }
    return {};
}

std::optional<int> PlayerReport::difficulty() const {
    std::vector<double> held;
    for (const std::string& name : ReferencePlayers::names()) {
        const std::vector<SeedRun> runs = runsOf(name);
        if (runs.empty()) {
            return std::nullopt;
        }
        held.push_back(static_cast<double>(heldCount(runs)) / static_cast<double>(runs.size()));
    }
    // The first of the names is the idle player, the others build.
    return ::difficulty(held.front(), std::vector<double>(held.begin() + 1, held.end()));
}

std::string PlayerReport::table() const {
    const std::size_t seeds = games.empty() ? 0 : games.front().runs.size();
    std::string text = levelName + ": " + std::to_string(seeds) + " games of " +
                       std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes") +
                       " for each player\n";
    for (const Games& player : games) {
        text += "\n" + playerRows(player);
    }
    text += "\nplayer  held    " + std::string(kColumns);
    for (const Games& player : games) {
        char start[64];
        std::snprintf(start, sizeof start, "%-6s  %d of %-2zu ", player.player.c_str(),
                      heldCount(player.runs), player.runs.size());
        text += start + Row::medianOf(player.runs).text();
    }
    if (const std::optional<int> figure = difficulty()) {
        text += "\ndifficulty " + std::to_string(*figure) + " of 100\n";
    }
    return text;
}

std::string PlayerReport::playerRows(const Games& player) const {
    std::string text = player.player + "\nseed    " + kColumns;
    for (const SeedRun& run : player.runs) {
        char start[32];
        std::snprintf(start, sizeof start, "%4u    ", run.seed);
        text += start + Row::of(run).text();
    }
    return text + "median  " + Row::medianOf(player.runs).text();
}

std::string PlayerReport::csv() const {
    const std::optional<int> figure = difficulty();
    const std::string difficultyText = figure ? std::to_string(*figure) : "";
    std::string text =
        "player,seed,humans_left,humans_share,last_zombie_fell,last_human_turned,game_lost,"
        "gold_spent,jumps_back,jumps_forward,held,difficulty\n";
    for (const Games& player : games) {
        for (const SeedRun& run : player.runs) {
            const Row row = Row::of(run);
            char line[220];
            std::snprintf(line, sizeof line, "%s,%u,%d,%.4f,%s,%s,%s,%u,%u,%u,%d,%s\n",
                          player.player.c_str(), run.seed, run.humansLeft, row.humansShare,
                          csvSeconds(row.lastZombie).c_str(), csvSeconds(row.lastHuman).c_str(),
                          csvSeconds(row.lost).c_str(), run.goldSpent, run.jumpsBack,
                          run.jumpsForward, run.held() ? 1 : 0, difficultyText.c_str());
            text += line;
        }
    }
    return text;
}
