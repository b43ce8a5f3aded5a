#include "cli/SharedOptions.hpp"

#include "cli/CommandSupport.hpp"
#include "entities/GameNumbers.hpp"
#include "levelformat/LevelPicture.hpp"
#include "play/GameCounts.hpp"

namespace {

constexpr long kMostSeeds = 100000;
constexpr long kMostMinutes = 10000;
// Asked for more than the processors, it plays on as many as there are, and says so.
constexpr long kMostJobs = 100000;

std::string range(long most, long byDefault) {
    return "(default " + std::to_string(byDefault) + ", up to " + std::to_string(most) + ")";
}

}  // namespace

SharedOptions::SharedOptions()
    : seeds(GameCounts::kSeeds),
      minutes(GameCounts::kMinutes),
      cell(kTileSize),
      assets(defaultAssets()) {}

std::vector<OptionRow> SharedOptions::rows(std::initializer_list<Row> wanted) {
    std::vector<OptionRow> rows;
    for (const Row row : wanted) {
        switch (row) {
            case Row::Seeds:
                rows.push_back({{"--seeds", WholeNumber{&seeds, 1, kMostSeeds}},
                                "N",
                                "plays seeds 1 to N " + range(kMostSeeds, GameCounts::kSeeds)});
                break;
            case Row::Minutes:
                rows.push_back(
                    {{"--minutes", WholeNumber{&minutes, 1, kMostMinutes}},
                     "M",
                     "plays M minutes of game time " + range(kMostMinutes, GameCounts::kMinutes)});
                break;
            case Row::Jobs:
                rows.push_back({{"--jobs", WholeNumber{&jobs, 1, kMostJobs}},
                                "N",
                                "plays N games at once (default, and most: one per processor)"});
                break;
            case Row::Cell:
                rows.push_back({{"--cell", WholeNumber{&cell, 1, LevelPicture::kLargestSide}},
                                "PX",
                                "paints PX pixels a cell (default " + std::to_string(kTileSize) +
                                    ", as the game does; at most " +
                                    std::to_string(LevelPicture::kLargestSide) +
                                    " pixels a side in all)"});
                break;
            case Row::Assets:
                rows.push_back({{"--assets", &assets},
                                "DIR",
                                "paints with the game's pictures in DIR (default: the game's own, "
                                "beside this program or installed)"});
                break;
        }
    }
    return rows;
}

std::vector<std::pair<std::string, std::string>> SharedOptions::listed() {
    SharedOptions unused;
    std::vector<std::pair<std::string, std::string>> listed;
    for (const OptionRow& row :
         unused.rows({Row::Seeds, Row::Minutes, Row::Jobs, Row::Cell, Row::Assets})) {
        listed.emplace_back(row.option.name + " " + row.value, row.help);
    }
    return listed;
}
