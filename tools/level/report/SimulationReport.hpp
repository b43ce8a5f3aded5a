#pragma once

#include <string>
#include <vector>

#include "play/SeedRun.hpp"

// The outcome of many unattended games of one level, for a person or for a spreadsheet.
class SimulationReport {
public:
    SimulationReport(std::string levelName, double minutes, std::vector<SeedRun> runs)
        : levelName(std::move(levelName)), minutes(minutes), runs(std::move(runs)) {}

    // Per time point the least, median and greatest zombie share over the seeds; then per seed
    // when the last human turned and when the game was lost, and the medians of both.
    std::string table() const;
    // seed,time_point,seconds,zombies,humans,zombie_share: seeds in order, then time points.
    std::string csv() const;

private:
    std::string timePointRows() const;
    std::string seedRows() const;

    std::string levelName;
    double minutes;
    std::vector<SeedRun> runs;
};
