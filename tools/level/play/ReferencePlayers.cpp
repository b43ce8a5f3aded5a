#include "play/ReferencePlayers.hpp"

#include <algorithm>

#include "play/PlanPlayer.hpp"
#include "play/RulePlayer.hpp"

const std::vector<std::string>& ReferencePlayers::names() {
    static const std::vector<std::string> kNames = {"idle", "hasty", "steady", "search", "plan"};
    return kNames;
}

bool ReferencePlayers::isName(const std::string& name) {
    return std::find(names().begin(), names().end(), name) != names().end();
}

ReferencePlayers::Maker ReferencePlayers::maker(const std::string& name, const TileMap& level,
                                                const OpeningSearch::Settings& settings,
                                                const SearchProgress& searchProgress) {
    if (name == "hasty" || name == "steady") {
        const auto style = name == "hasty" ? RulePlayer::Style::Hasty : RulePlayer::Style::Steady;
        return [style] { return std::make_unique<RulePlayer>(style); };
    }
    if (name == "plan") {
        return [] { return std::make_unique<PlanPlayer>(); };
    }
    if (name == "search") {
        const std::vector<Opening> openings = OpeningSearch::nearTheOutbreak(level, settings.seeds);
        if (openings.empty()) {
            return [] { return std::make_unique<RulePlayer>(RulePlayer::Style::Steady); };
        }
        const Opening best =
            OpeningSearch::ranked(OpeningSearch::tryAll(level, openings, settings,
                                                        [&](std::size_t done) {
                                                            searchProgress(done, openings.size());
                                                        }))
                .front()
                .opening;
        return [best] {
            return std::make_unique<OpeningPlayer>(
                best, std::make_unique<RulePlayer>(RulePlayer::Style::Steady));
        };
    }
    return [] { return std::make_unique<IdlePlayer>(); };
}
