#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"
#include "soak/ParticleLedger.hpp"
#include "support/ParticleRenderer.hpp"
#include "support/TestSession.hpp"

using ParticleSession = BasicTestSession<ParticleRenderer>;

// How much of the game a run went through, so that a quiet run cannot pass for a thorough one.
struct PlayTally {
    std::uint64_t steps = 0;  // simulated, fast-forwards included
    std::uint64_t games = 0;
    std::uint64_t clicks = 0;
    std::uint64_t jumpsBack = 0;
    std::uint64_t jumpsForward = 0;
    std::uint64_t jumpsRefused = 0;
    std::uint64_t jumpsIntoGameOver = 0;
    std::uint64_t buildingsPlaced = 0;
    std::uint64_t buildingsRefused = 0;
};

// Plays one game on someone's behalf, one fixed step or one click at a time, and checks after
// each command that the rules of play held: gold moves only by income, prices and refunds,
// the step counter and the present move as the commands say, the history stays within its
// 49 entries, clicks make no sound, and the particles stay tied to the world (ParticleLedger).
// The first broken rule is kept as text; the rest of the game is still played.
class PlayReferee {
public:
    static constexpr std::uint32_t kIncome = 20;
    static constexpr std::uint32_t kJumpBackPrice = 23;
    static constexpr std::uint32_t kJumpForwardPrice = 2;
    static constexpr std::int32_t kMostBehind = 32;
    static constexpr std::size_t kMostEntries = 49;  // 32 behind, the present, 16 ahead
    static constexpr std::uint32_t kSaneGold = 10'000'000;

    PlayReferee(const TileMap& level, PlayTally& tally)
        : game(std::make_unique<ParticleSession>(level)),
          ledger(game->renderer, game->world),
          tally(tally),
          levelSize(level.size),
          trackedGold(game->world.gold()) {
        ++tally.games;
    }
    PlayReferee(const PlayReferee&) = delete;
    PlayReferee& operator=(const PlayReferee&) = delete;

    // One pass of the run loop's fixed step, after input.
    void dispatch() {
        const Observed before = observeBefore();
        game->session().dispatch();
        const Observed after = observe();
        if (before.state == GameState::Playing) {
            ++tally.steps;
            checkStep(before, after);
        } else {
            expect(after.stepCount == before.stepCount && after.gold == before.gold &&
                       after.state == before.state,
                   "a step off the playing screen changed the game");
        }
        checkAlways(after);
    }

    // One left click; true when it closed the window, which ends this game.
    bool click(sf::Vector2f position) {
        ++tally.clicks;
        const Observed before = observeBefore();
        const Expected expected = predictClick(before, position);
        const bool closed =
            game->click(position.x, position.y) == Session::ClickOutcome::CloseWindow;
        const Observed after = observe();
        expect(closed == (before.state == GameState::GameOver),
               "only the game-over screen's click closes the window");
        expect(after.sounds == before.sounds, "a click made a sound");
        checkClick(before, after, expected, position);
        checkAlways(after);
        return closed;
    }

    ParticleSession& session() { return *game; }
    std::size_t peakParticles() const { return ledger.peakParticles(); }

    // The first broken rule, empty while every one held.
    const std::string& failure() const {
        return firstFailure.empty() ? ledger.failure() : firstFailure;
    }

private:
    // What the commands may change, read before and after each one.
    struct Observed {
        GameState state;
        std::uint32_t stepCount;
        std::uint32_t gold;
        std::uint32_t goldSpent;
        std::int32_t present;
        std::int32_t selected;
        std::array<std::size_t, 3> buildings;  // turrets, barricades, mines
        std::size_t sounds;
    };

    enum class ClickKind { Start, Close, Jump, Choose, Build, Nothing };

    // What a click should do, worked out from the screen before it lands.
    struct Expected {
        ClickKind kind = ClickKind::Nothing;
        std::int32_t target = 0;        // a jump's time point
        std::uint32_t targetSpent = 0;  // what had been spent by that time point
        std::int32_t code = NoObject;   // the building chosen or placed
    };

    // Read before a command: gold that changed since the last one came from nowhere.
    Observed observeBefore() const {
        const Observed before = observe();
        expect(before.gold == trackedGold, "gold changed outside any command");
        return before;
    }

    Observed observe() const {
        const WorldState& state = game->world.getState();
        return {game->state,
                game->stepCount,
                game->world.gold(),
                state.goldSpent,
                game->history.currentTimePoint().index,
                game->selectedBuilding,
                {state.turrets.size(), state.barricades.size(), state.mines.size()},
                game->sounds.played.size()};
    }

    static std::uint32_t priceOf(std::int32_t code) {
        switch (code) {
            case BuildTurret:
                return 100;
            case BuildBarricade:
                return 20;
            case BuildMine:
                return 40;
            default:
                return 0;
        }
    }

    // Income comes with each snapshot step, and the game can only end at one.
    void checkStep(const Observed& before, const Observed& after) {
        expect(after.stepCount == before.stepCount + 1, "a step did not count itself");
        const bool snapshot = after.stepCount % StepsPerTimePoint == 0;
        expect(after.gold == before.gold + (snapshot ? kIncome : 0),
               "gold changed by something other than income during a step");
        expect(after.goldSpent == before.goldSpent, "a step spent gold");
        expect(after.present == before.present + (snapshot ? 1 : 0),
               "the present did not move with the snapshot steps");
        if (after.state == GameState::GameOver) {
            expect(snapshot && oldestOverrun(), "the game ended without an overrun oldest point");
        } else if (snapshot) {
            expect(!oldestOverrun(), "an overrun oldest time point did not end the game");
        }
    }

    bool oldestOverrun() const {
        const auto summaries = game->history.summaries();
        return !summaries.empty() && summaries.front().zombieRatio >= 1.f;
    }

    Expected predictClick(const Observed& before, sf::Vector2f position) const {
        Expected expected;
        if (before.state != GameState::Playing) {
            expected.kind = before.state == GameState::Title ? ClickKind::Start : ClickKind::Close;
            return expected;
        }
        const Hud& hud = game->hud;
        TimePoint target;
        if (hud.timelineButtonAt(position.x, position.y, target)) {
            expected.kind = ClickKind::Jump;
            expected.target = target.index;
            const WorldState* entry = game->history.find(target);
            expect(entry != nullptr, "the timeline bar offers a time point it does not hold");
            expected.targetSpent = entry != nullptr ? entry->goldSpent : 0;
        } else if (hud.buildEntryAt(position.x, position.y, expected.code)) {
            expected.kind = ClickKind::Choose;
        } else {
            const float edge = static_cast<float>(levelSize) * static_cast<float>(kTileSize);
            const bool onMap =
                position.x >= 0.f && position.y >= 0.f && position.x < edge && position.y < edge;
            if (onMap && before.selected != NoObject) {
                expected.kind = ClickKind::Build;
                expected.code = before.selected;
            }
        }
        return expected;
    }

    void checkClick(const Observed& before, const Observed& after, const Expected& expected,
                    sf::Vector2f position) {
        const bool failedBefore = !firstFailure.empty();
        if (expected.kind != ClickKind::Jump) {
            expect(after.stepCount == before.stepCount && after.present == before.present,
                   "a click that is no jump moved time");
        }
        switch (expected.kind) {
            case ClickKind::Start:
                expect(after.state == GameState::Playing && after.gold == before.gold &&
                           after.selected == NoObject && !game->hud.showTitle,
                       "the first click did more than start the game");
                break;
            case ClickKind::Close:
                expect(after.gold == before.gold && !game->hud.showGameOver,
                       "the closing click changed the game");
                break;
            case ClickKind::Jump:
                checkJump(before, after, expected);
                break;
            case ClickKind::Choose:
                expect(after.selected == expected.code && after.gold == before.gold,
                       "choosing a building did not only choose it");
                break;
            case ClickKind::Build:
                checkBuilding(before, after, expected.code);
                break;
            case ClickKind::Nothing:
                expect(after.gold == before.gold && after.goldSpent == before.goldSpent &&
                           after.selected == before.selected && before.buildings == after.buildings,
                       "a click on nothing changed something");
                break;
        }
        if (!failedBefore && !firstFailure.empty()) {
            std::ostringstream text;
            text << " (click at " << position.x << ", " << position.y << ")";
            firstFailure += text.str();
        }
    }

    void checkBuilding(const Observed& before, const Observed& after, std::int32_t code) {
        const std::uint32_t price = priceOf(code);
        Observed expected = before;
        expected.sounds = after.sounds;
        if (before.gold >= price) {
            ++tally.buildingsPlaced;
            expected.gold -= price;
            expected.goldSpent += price;
            ++expected.buildings[code - BuildTurret];
        } else {
            ++tally.buildingsRefused;
        }
        expect(after.gold == expected.gold && after.goldSpent == expected.goldSpent &&
                   after.buildings == expected.buildings,
               "a building was not paid for and placed exactly once");
    }

    void checkJump(const Observed& before, const Observed& after, const Expected& expected) {
        const std::int32_t distance = expected.target - before.present;
        if (distance == 0) {
            expect(after.gold == before.gold && after.stepCount == before.stepCount,
                   "a jump to the present did something");
            return;
        }
        const std::uint64_t price =
            distance < 0 ? std::uint64_t{kJumpBackPrice} * static_cast<std::uint64_t>(-distance)
                         : std::uint64_t{kJumpForwardPrice} * static_cast<std::uint64_t>(distance);
        if (before.gold < price) {
            ++tally.jumpsRefused;
            expect(after.gold == before.gold && after.goldSpent == before.goldSpent &&
                       after.stepCount == before.stepCount && after.present == before.present,
                   "an unaffordable jump changed the game");
            return;
        }
        if (distance < 0) {
            checkJumpBack(before, after, expected, price);
        } else {
            checkJumpForward(before, after, expected, price);
        }
    }

    void checkJumpBack(const Observed& before, const Observed& after, const Expected& expected,
                       std::uint64_t price) {
        ++tally.jumpsBack;
        const std::uint64_t refund =
            before.goldSpent > expected.targetSpent ? before.goldSpent - expected.targetSpent : 0;
        expect(after.gold == before.gold - price + refund,
               "a jump back did not take its price and refund the abandoned spending");
        expect(after.goldSpent == expected.targetSpent,
               "a jump back did not bring back the spending of its time point");
        expect(landedOn(after, expected.target),
               "a jump back did not land one step after its time point");
    }

    // The fast-forward earns the income of every snapshot step it runs through, silently.
    void checkJumpForward(const Observed& before, const Observed& after, const Expected& expected,
                          std::uint64_t price) {
        ++tally.jumpsForward;
        expect(after.stepCount > before.stepCount, "a jump forward simulated nothing");
        tally.steps += after.stepCount - before.stepCount;
        const std::uint64_t incomes =
            after.stepCount / StepsPerTimePoint - before.stepCount / StepsPerTimePoint;
        expect(after.gold == before.gold - price + kIncome * incomes,
               "a jump forward did not take its price and earn its income");
        expect(after.goldSpent == before.goldSpent + price,
               "a jump forward did not add its price to the spending");
        expect(!game->world.isSilent(), "the world stayed silent after a fast-forward");
        if (after.state == GameState::GameOver) {
            ++tally.jumpsIntoGameOver;
            // Either it stopped at the snapshot step that ended the game, or the target's own
            // snapshot ended it and the jump landed there like any other.
            const std::uint32_t landing = landingStep(expected.target);
            const bool stoppedShort =
                after.stepCount % StepsPerTimePoint == 0 && after.stepCount < landing;
            const bool endedOnTarget =
                after.stepCount == landing && after.present == expected.target;
            expect((stoppedShort || endedOnTarget) && oldestOverrun(),
                   "a fast-forward into the end did not stop at the step that ended it");
            return;
        }
        expect(landedOn(after, expected.target),
               "a jump forward did not land one step after its time point");
    }

    // A jump lands one step after its time point, with that time point's world in place.
    bool landedOn(const Observed& after, std::int32_t target) const {
        return after.present == target && after.stepCount == landingStep(target) &&
               game->world.getState().timePoint.index == target;
    }

    static std::uint32_t landingStep(std::int32_t target) {
        return StepsPerTimePoint * static_cast<std::uint32_t>(target) + 1;
    }

    // What holds after every command, whatever it was.
    void checkAlways(const Observed& now) {
        const auto summaries = game->history.summaries();
        expect(summaries.size() <= kMostEntries, "the history holds more than 49 entries");
        for (std::size_t i = 1; i < summaries.size(); ++i) {
            expect(summaries[i].timePoint.index == summaries[i - 1].timePoint.index + 1,
                   "the history's time points have a gap");
        }
        expect(game->hud.getTimelineButtons().size() == summaries.size(),
               "the timeline bar does not show the history");
        expect(now.present == static_cast<std::int32_t>(now.stepCount / StepsPerTimePoint),
               "the present is not the last snapshot step's time point");
        if (now.present > 0) {
            const WorldState* present = game->history.find(TimePoint{now.present});
            expect(present != nullptr && present->tileMap.size != 0,
                   "the present is not a real snapshot");
            expect(now.present - summaries.front().timePoint.index <= kMostBehind,
                   "the history holds more than 32 time points behind the present");
        }
        expect(now.gold <= kSaneGold, "the gold ran away");
        expect(!game->world.isSilent(), "the world was left silent");
        ledger.checkTrails("after a command");
        trackedGold = now.gold;
        // The recorder keeps every cue; only the count of the last command matters here.
        game->sounds.played.clear();
    }

    void expect(bool holds, const char* rule) const {
        if (!holds && firstFailure.empty()) {
            std::ostringstream text;
            text << rule << " [step " << game->stepCount << ", time point "
                 << game->history.currentTimePoint().index << ", gold " << game->world.gold()
                 << "]";
            firstFailure = text.str();
        }
    }

    std::unique_ptr<ParticleSession> game;  // on the heap: the World points into it
    ParticleLedger ledger;
    PlayTally& tally;
    std::uint32_t levelSize;
    std::uint32_t trackedGold;  // the gold as the last command left it
    mutable std::string firstFailure;
};
