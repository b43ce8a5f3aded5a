#include <gtest/gtest.h>

#include "BuildingPainter.hpp"
#include "PictureMeasures.hpp"

using assetgen::BuildingPainter;

TEST(BuildingPainterTest, TurretBarrelPointsRightToNearTheEdge) {
    const sf::Image turret = BuildingPainter::turret();
    const Reach reach = reachOfSolidPart(turret);
    EXPECT_GT(reach.ahead, reach.behind);
    EXPECT_GE(reach.ahead, static_cast<int>(turret.getSize().x) / 2 - 2);
}
