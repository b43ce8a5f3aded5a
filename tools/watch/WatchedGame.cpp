#include "WatchedGame.hpp"

#include <utility>

#include "entities/GameNumbers.hpp"
#include "toolkit/Random.hpp"

namespace {

// Long enough for every burst started while a jump ahead played unseen to have come and gone.
const sf::Time kUnseenTime = sf::seconds(2.f);

// Puts a set of dice into the one random engine for as long as it lives, and takes them back
// out afterwards, with whatever was drawn from them.
class DiceInHand {
public:
    explicit DiceInHand(std::mt19937& dice) : dice(dice) { std::swap(dice, tk::randomEngine()); }
    ~DiceInHand() { std::swap(dice, tk::randomEngine()); }
    DiceInHand(const DiceInHand&) = delete;
    DiceInHand& operator=(const DiceInHand&) = delete;

private:
    std::mt19937& dice;
};

}  // namespace

WatchedGame::WatchedGame(Game::Services shown, const TileMap& level)
    : shownParticles(shown.particles),
      played({shown.renderer, shown.sounds, shown.hudRenderer, ruleParticles}, level),
      gameDice(tk::randomEngine()) {}

void WatchedGame::replay(std::vector<RecordedClick> recorded) {
    clicks.emplace(std::move(recorded));
}

std::vector<std::string> WatchedGame::advance() {
    std::vector<std::string> captions;
    bool leapt = false;
    std::uint32_t before = 0;
    {
        const DiceInHand inHand(gameDice);
        Session session = played.session();
        // The title screen's click, which every recorded game begins with.
        if (clicks && played.state() == GameState::Title) {
            session.click({0.f, 0.f});
        }
        while (const RecordedClick* click = clicks ? clicks->due(played.stepCount()) : nullptr) {
            if (std::optional<std::string> line = caption.of(*click)) {
                captions.push_back(std::move(*line));
            }
            const std::uint32_t clock = played.stepCount();
            session.click(click->click.position);
            leapt = leapt || played.stepCount() > clock + 1;
        }
        before = played.stepCount();
        session.dispatch();
    }
    if (leapt) {
        shownParticles.update(kUnseenTime);
    }
    if (played.stepCount() != before) {
        shownParticles.update(TimePerFrame);
    }
    return captions;
}
