#include <gtest/gtest.h>
#include <unistd.h>

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <optional>
#include <stdexcept>

#include "entities/ObjectCode.hpp"
#include "support/Display.hpp"
#include "toolkit/MultiResourceCache.hpp"
#include "ui/BuildEntry.hpp"
#include "ui/Renderer.hpp"
#include "ui/TimelineButton.hpp"

namespace {

// Draws through a real Renderer into a hidden window, with the game's staged assets, and
// reads the frame back before it would be shown.
class RendererTest : public testing::Test {
protected:
    void SetUp() override {
        if (!hasDisplay()) {
            GTEST_SKIP() << "drawing needs an X display";
        }
        if (chdir(ZEMBROOK_STAGE_DIR) != 0) {
            throw std::runtime_error("no staged run-time folder");
        }
        window.emplace(sf::VideoMode(1024, 768), "renderer test", sf::Style::None);
        window->setVisible(false);
        renderer.emplace(*window, resources);
        window->clear(sf::Color::Black);
    }

    sf::Image frame() {
        sf::Texture capture;
        capture.create(1024, 768);
        capture.update(*window);
        return capture.copyToImage();
    }

    // How many pixels inside the rectangle have exactly this colour.
    int pixelsOf(const sf::Image& image, sf::IntRect area, sf::Color colour) {
        int count = 0;
        for (int y = area.top; y < area.top + area.height; ++y) {
            for (int x = area.left; x < area.left + area.width; ++x) {
                count += image.getPixel(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    const GraphicsLeakGuard driverAllocations;
    // Made only once hasDisplay() has said yes: even an unopened window connects to X.
    std::optional<sf::RenderWindow> window;
    tk::MultiResourceCache resources;
    std::optional<Renderer> renderer;
};

TimelineButton buttonAt(float left, bool valid, float zombieRatio, bool current) {
    TimelineButton button;
    button.summary.timePoint = TimePoint{88};
    button.summary.valid = valid;
    button.summary.zombieRatio = zombieRatio;
    button.bounds = {left, 718.f, 20.f, 40.f};
    button.current = current;
    return button;
}

BuildEntry turretEntry() {
    BuildEntry entry;
    entry.code = BuildTurret;
    entry.cost = 100;
    entry.label = "Build a turret";
    entry.bounds = {934.f, 190.f, 70.f, 50.f};
    entry.textureRect = {0, 0, 70, 50};
    return entry;
}

}  // namespace

TEST_F(RendererTest, PlaceholdersAreGreyWhateverTheirRatioAndRealPointsFollowTheGradient) {
    renderer->drawTimelineButton(buttonAt(20.f, false, 1.f, false));
    renderer->drawTimelineButton(buttonAt(60.f, true, 0.25f, false));
    renderer->drawTimelineButton(buttonAt(100.f, true, 1.f, true));
    const sf::Image image = frame();
    EXPECT_EQ(image.getPixel(35, 750), sf::Color(100, 90, 100));
    EXPECT_EQ(image.getPixel(75, 750), sf::Color(127, 202, 0));
    EXPECT_EQ(image.getPixel(115, 750), sf::Color(255, 0, 0));
    EXPECT_EQ(image.getPixel(19, 740), sf::Color(100, 100, 100));  // a thin grey outline
    EXPECT_EQ(image.getPixel(98, 740), sf::Color::White);          // three pixels of white
    EXPECT_EQ(image.getPixel(96, 740), sf::Color::Black);
}

TEST_F(RendererTest, PricesTurnGreyAboveTheGoldDrawnLast) {
    const sf::Color turretBlue(60, 110, 160);
    const sf::Color grey(100, 100, 100);
    const sf::IntRect texts(794, 190, 140, 50);

    renderer->drawGold(80, {924.f, 10.f});
    renderer->drawBuildEntry(turretEntry());
    sf::Image image = frame();
    EXPECT_GT(pixelsOf(image, texts, grey), 20);
    EXPECT_EQ(pixelsOf(image, texts, turretBlue), 0);

    window->clear(sf::Color::Black);
    renderer->drawGold(100, {924.f, 10.f});
    renderer->drawBuildEntry(turretEntry());
    image = frame();
    EXPECT_GT(pixelsOf(image, texts, turretBlue), 20);
    EXPECT_EQ(pixelsOf(image, texts, grey), 0);
}

TEST_F(RendererTest, TheChosenEntryIsOutlinedInYellow) {
    BuildEntry entry = turretEntry();
    renderer->drawBuildEntry(entry);
    EXPECT_NE(frame().getPixel(933, 215), sf::Color::Yellow);
    entry.highlighted = true;
    renderer->drawBuildEntry(entry);
    EXPECT_EQ(frame().getPixel(933, 215), sf::Color::Yellow);
}

TEST_F(RendererTest, TheTitleSheetDarkensTheWholeWindow) {
    renderer->drawTitleScreen();
    const sf::Image image = frame();
    // (20, 20, 20) at alpha 230 over black.
    const sf::Color sheet = image.getPixel(5, 5);
    EXPECT_NEAR(sheet.r, 18, 1);
    EXPECT_EQ(image.getPixel(1018, 762), sheet);
}
