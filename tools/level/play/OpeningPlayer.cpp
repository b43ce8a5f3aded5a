#include "play/OpeningPlayer.hpp"

#include "app/HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"
#include "entities/ObjectCode.hpp"
#include "play/MoveCaption.hpp"

std::string Opening::describe() const {
    const char* const building = code == BuildTurret      ? "turret"
                                 : code == BuildBarricade ? "barricade"
                                                          : "mine";
    return std::string("a ") + building + " on " + MoveCaption::cell(cell);
}

void OpeningPlayer::act(HeadlessGame& game) {
    madeNow = false;
    if (!made) {
        if (game.gold() >= buildingPrice(opening.code)) {
            game.chooseBuilding(opening.code);
            game.clickCell(opening.cell.x, opening.cell.y);
            made = true;
            madeNow = true;
        }
        return;
    }
    if (then) {
        then->act(game);
    }
}

std::string OpeningPlayer::reason() const {
    if (madeNow) {
        return "the first move that held most seeds";
    }
    return then ? then->reason() : std::string();
}
