#pragma once

#include <functional>
#include <string>
#include <vector>

#include "play/OpeningSearch.hpp"
#include "report/PlayerReport.hpp"

class TileMap;

// Plays a level with each of the named reference players on seeds 1..N, the games spread over
// processes, and brings them back per player in seed order.
class PlayerGames {
public:
    // Progress of the searching player's search, then of the games, each from 0 to its total.
    struct Progress {
        std::function<void(std::size_t done, std::size_t total)> search;
        std::function<void(std::size_t done, std::size_t total)> games;
    };

    // The searching player ranks the openings it is given, if any, instead of trying them.
    static std::vector<PlayerReport::Games> play(
        const TileMap& level, const std::vector<std::string>& players,
        const OpeningSearch::Settings& settings, const Progress& progress,
        const std::vector<OpeningResult>* searched = nullptr);
};
