#include "play/ReferencePlayers.hpp"

#include <algorithm>

#include "play/PlanPlayer.hpp"
#include "play/RulePlayer.hpp"

namespace {

std::vector<OpeningResult> searchNear(const TileMap& level, const OpeningSearch::Settings& settings,
                                      const ReferencePlayers::SearchProgress& progress) {
    const std::vector<Opening> openings = OpeningSearch::nearTheOutbreak(level, settings.seeds);
    return OpeningSearch::tryAll(level, openings, settings,
                                 [&](std::size_t done) { progress(done, openings.size()); });
}

}  // namespace

const std::vector<std::string>& ReferencePlayers::names() {
    static const std::vector<std::string> kNames = {"idle", "hasty", "steady", "search", "plan"};
    return kNames;
}

bool ReferencePlayers::isName(const std::string& name) {
    return std::find(names().begin(), names().end(), name) != names().end();
}

ReferencePlayers::Maker ReferencePlayers::maker(const std::string& name, const TileMap& level,
                                                const OpeningSearch::Settings& settings,
                                                const SearchProgress& searchProgress,
                                                const std::vector<OpeningResult>* searched) {
    if (name == "hasty" || name == "steady") {
        const auto style = name == "hasty" ? RulePlayer::Style::Hasty : RulePlayer::Style::Steady;
        return [style] { return std::make_unique<RulePlayer>(style); };
    }
    if (name == "plan") {
        return [] { return std::make_unique<PlanPlayer>(); };
    }
    if (name == "search") {
        std::vector<OpeningResult> tried =
            searched != nullptr ? *searched : searchNear(level, settings, searchProgress);
        if (tried.empty()) {
            return [] { return std::make_unique<RulePlayer>(RulePlayer::Style::Steady); };
        }
        const Opening best = OpeningSearch::ranked(std::move(tried)).front().opening;
        return [best] {
            return std::make_unique<OpeningPlayer>(
                best, std::make_unique<RulePlayer>(RulePlayer::Style::Steady));
        };
    }
    return [] { return std::make_unique<IdlePlayer>(); };
}
