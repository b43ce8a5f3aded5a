#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "play/OpeningSearch.hpp"
#include "play/Player.hpp"

class TileMap;

// The players the simulator plays a level with, from the least to the most skilled: idle never
// builds, hasty and steady follow their rules (RulePlayer), search makes the first move
// that held best over all seeds among those near the outbreak (OpeningSearch), then plays
// as the steady one, and plan thinks ahead in imagined games and travels in time (PlanPlayer).
class ReferencePlayers {
public:
    // A fresh player for each game, all of one kind.
    using Maker = std::function<std::unique_ptr<Player>()>;

    static const std::vector<std::string>& names();
    static bool isName(const std::string& name);
    // Counts first moves tried out of all there are to try.
    using SearchProgress = std::function<void(std::size_t done, std::size_t total)>;

    // The searching player searches here, once for all its games, on the seeds of the settings,
    // unless it is given the openings near the outbreak already tried on them to rank.
    static Maker maker(const std::string& name, const TileMap& level,
                       const OpeningSearch::Settings& settings,
                       const SearchProgress& searchProgress,
                       const std::vector<OpeningResult>* searched = nullptr);
};
