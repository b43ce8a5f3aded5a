#include "play/PlanMove.hpp"

#include "app/HeadlessGame.hpp"

void PlanMove::click(HeadlessGame& game) const {
    if (jump) {
        game.clickTimePoint(*jump);
    }
    if (building != NoObject && game.chooseBuilding(building)) {
        game.clickCell(cell.x, cell.y);
    }
}
