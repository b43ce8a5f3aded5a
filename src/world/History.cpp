#include "world/History.hpp"

#include <algorithm>

History::History(FastForward fastForward) : fastForward(std::move(fastForward)) {}

History::History(const History& original, FastForward fastForward)
    : present(original.present),
      entries(original.entries),
      fastForward(std::move(fastForward)),
      busy(original.busy),
      extendOnce(original.extendOnce) {}

void History::record(WorldState state) {
    present.index += 1;
    if (WorldState* existing = findEntry(present)) {
        *existing = std::move(state);
        existing->timePoint = present;
    } else {
        entries.push_back(std::move(state));
        entries.back().timePoint = present;
    }
    if (present.index - entries.front().timePoint.index > kMaxPast) {
        entries.pop_front();
    }
    extendAhead();
}

const WorldState* History::find(TimePoint timePoint) const {
    const auto match =
        std::find_if(entries.begin(), entries.end(),
                     [timePoint](const WorldState& entry) { return entry.timePoint == timePoint; });
    return match == entries.end() ? nullptr : &*match;
}

WorldState* History::findEntry(TimePoint timePoint) {
    return const_cast<WorldState*>(static_cast<const History&>(*this).find(timePoint));
}

std::optional<WorldState> History::goTo(TimePoint target) {
    if (find(target) == nullptr) {
        return std::nullopt;
    }
    if (target.index <= present.index) {
        present = target;
        return *find(target);
    }
    busy = true;
    fastForward(target);
    busy = false;
    // The simulation records every time point it passes; if it stopped before the target,
    // the present is the last one it recorded and the target is still a placeholder.
    if (present != target) {
        return std::nullopt;
    }
    if (target == entries.back().timePoint) {
        extendOnce = true;
    }
    return *find(target);
}

std::vector<TimePointSummary> History::summaries() const {
    std::vector<TimePointSummary> result;
    result.reserve(entries.size());
    for (const WorldState& entry : entries) {
        result.push_back(summarize(entry));
    }
    return result;
}

void History::extendAhead() {
    if (busy) {
        return;
    }
    const std::int32_t missing = present.index - entries.back().timePoint.index + kLookAhead;
    if (missing == 1 || extendOnce) {
        appendPlaceholder();
        extendOnce = false;
    } else if (missing > 1) {
        appendPlaceholder();
        appendPlaceholder();
    }
}

void History::appendPlaceholder() {
    entries.emplace_back(TimePoint{entries.back().timePoint.index + 1});
}
