#include <gtest/gtest.h>

#include "CreaturePainter.hpp"
#include "PictureMeasures.hpp"

using assetgen::CreaturePainter;

TEST(CreaturePainterTest, ZombieAndHumanDifferInOutlineNotOnlyInColour) {
    const sf::Image zombie = CreaturePainter::zombie();
    const sf::Image human = CreaturePainter::human();
    // Compare the solid silhouettes laid over one another, centre on centre.
    const int zw = static_cast<int>(zombie.getSize().x);
    const int hw = static_cast<int>(human.getSize().x);
    int both = 0;
    int either = 0;
    for (int dy = -12; dy < 12; ++dy) {
        for (int dx = -12; dx < 12; ++dx) {
            const auto solid = [dx, dy](const sf::Image& image, int width) {
                const int x = width / 2 + dx;
                const int y = static_cast<int>(image.getSize().y) / 2 + dy;
                return x >= 0 && y >= 0 && x < width && y < static_cast<int>(image.getSize().y) &&
                       image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).a >= 128;
            };
            const bool inZombie = solid(zombie, zw);
            const bool inHuman = solid(human, hw);
            both += inZombie && inHuman;
            either += inZombie || inHuman;
        }
    }
    ASSERT_GT(either, 0);
    EXPECT_LT(static_cast<double>(both) / either, 0.7);
}

TEST(CreaturePainterTest, ZombieReadsGreenAndHumanReadsBlue) {
    const sf::Image zombie = CreaturePainter::zombie();
    const sf::Image human = CreaturePainter::human();
    const auto green = [](const sf::Image& image) { return shareLedBy(image, &sf::Color::g); };
    const auto blue = [](const sf::Image& image) { return shareLedBy(image, &sf::Color::b); };
    EXPECT_GT(green(zombie), 0.3);
    EXPECT_LT(blue(zombie), 0.05);
    EXPECT_GT(blue(human), 0.3);
    EXPECT_LT(green(human), 0.05);
}

TEST(CreaturePainterTest, ZombieReachesForwardAlongItsHeading) {
    const Reach reach = reachOfSolidPart(CreaturePainter::zombie());
    EXPECT_GT(reach.ahead, reach.behind + 2);
}
