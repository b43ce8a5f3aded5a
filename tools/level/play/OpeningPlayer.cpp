#include "play/OpeningPlayer.hpp"

#include "app/HeadlessGame.hpp"
#include "entities/GameNumbers.hpp"

void OpeningPlayer::act(HeadlessGame& game) {
    if (!made) {
        if (game.gold() >= buildingPrice(opening.code)) {
            game.chooseBuilding(opening.code);
            game.clickCell(opening.cell.x, opening.cell.y);
            made = true;
        }
        return;
    }
    if (then) {
        then->act(game);
    }
}
