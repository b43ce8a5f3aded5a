#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

#include "support/TestWorld.hpp"
#include "world/SpatialIndex.hpp"

// The grid must answer exactly as a scan of the whole sequence would: the earliest entity wins,
// whichever cell is looked at first, and what died earlier in the step no longer counts. The
// crowds far away only make the grids fine enough for the entities that matter to lie in
// different cells.

namespace {

struct Point {
    sf::Vector2f position;
};

// Entities of one kind, n of them, in a row along the bottom of the arena, far from its middle.
template <typename Entity, typename Make>
void addCrowd(std::vector<Entity>& entities, int n, Make make) {
    for (int i = 0; i < n; ++i) {
        entities.push_back(make(sf::Vector2f(60.f + 20.f * static_cast<float>(i), 840.f)));
    }
}

}  // namespace

TEST(SpatialIndexTest, FindsTheEarliestWhateverItsCellAndEntitiesOffTheGrid) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<Point> points(36, Point{{850.f, 850.f}});
    points[3].position = {505.f, 455.f};
    points[7].position = {405.f, 455.f};  // a later one, in a cell searched first
    points[9].position = {-40.f, 455.f};  // left of the grid
    points[11].position = {455.f, 2000.f};
    points[12].position = {nan, 455.f};
    SpatialIndex index;
    index.rebuild(points, 900.f, 50.f);

    const auto inReach = [&](sf::Vector2f centre) {
        return [centre](std::size_t, sf::Vector2f position) {
            const sf::Vector2f d = position - centre;
            return d.x * d.x + d.y * d.y < 100.f * 100.f;
        };
    };
    EXPECT_EQ(index.first({455.f, 455.f}, 101.f, inReach({455.f, 455.f})), 3u);
    EXPECT_EQ(index.first({20.f, 455.f}, 101.f, inReach({20.f, 455.f})), 9u);
    EXPECT_EQ(index.first({455.f, 1950.f}, 101.f, inReach({455.f, 1950.f})), 11u);
    EXPECT_EQ(index.first({455.f, 455.f}, 101.f,
                          [](std::size_t place, sf::Vector2f) { return place > 7; }),
              SpatialIndex::kNone);

    std::set<std::size_t> near;
    index.forEachNear({455.f, 455.f}, 101.f,
                      [&near](std::size_t place, sf::Vector2f) { near.insert(place); });
    EXPECT_EQ(near.count(3), 1u);
    EXPECT_EQ(near.count(7), 1u);
    EXPECT_EQ(near.count(0), 0u) << "the far crowd lies in cells out of reach";
}

TEST(SpatialIndexTest, OfTwoHumansAtTheSameDistanceTheEarlierIsChased) {
    TestWorld test;
    const sf::Vector2f earlier(505.f, 455.f);
    test.arrange([&](WorldState& state) {
        state.zombies = {zombieAt({455.f, 455.f}, 90.f)};
        state.humans = {humanAt(earlier, 90.f), humanAt({405.f, 455.f}, 90.f)};
        addCrowd(state.humans, 34, [](sf::Vector2f at) { return humanAt(at, 90.f); });
    });
    test.world.updateCreatures(TimePerFrame);
    EXPECT_EQ(test.state().zombies[0].state, Chase);
    EXPECT_EQ(test.state().zombies[0].target, earlier);
}

TEST(SpatialIndexTest, AHumanInfectedEarlierInTheStepIsPassedOver) {
    TestWorld test;
    test.arrange([&](WorldState& state) {
        state.zombies = {zombieAt({450.f, 450.f}), zombieAt({452.f, 450.f})};
        state.humans = {humanAt({455.f, 450.f}, 90.f), humanAt({458.f, 450.f}, 90.f)};
        addCrowd(state.humans, 34, [](sf::Vector2f at) { return humanAt(at, 90.f); });
    });
    test.world.updateCreatures(TimePerFrame);
    const std::vector<Creature>& zombies = test.state().zombies;
    ASSERT_EQ(zombies.size(), 4u) << "one new zombie from each human, not two from the first";
    EXPECT_EQ(zombies[2].position, sf::Vector2f(455.f, 450.f));
    EXPECT_EQ(zombies[3].position, sf::Vector2f(458.f, 450.f));
}

TEST(SpatialIndexTest, ABuildingDestroyedEarlierInTheStepIsPassedOver) {
    TestWorld test;
    test.arrange([&](WorldState& state) {
        state.zombies = {zombieAt({440.f, 450.f}, 90.f), zombieAt({460.f, 450.f}, 90.f)};
        state.barricades = {Barricade({450.f, 450.f}), Barricade({470.f, 450.f})};
        state.barricades[0].health = 1;
        addCrowd(state.barricades, 34, [](sf::Vector2f at) { return Barricade(at); });
    });
    test.world.updateCreatures(TimePerFrame);
    EXPECT_EQ(test.state().barricades[0].health, 0);
    EXPECT_EQ(test.state().barricades[1].health, 9) << "the second zombie strikes the next one";
    EXPECT_EQ(test.sounds.count("zombie-turret.wav"), 2);
    EXPECT_EQ(test.sounds.count("turret-destroy.wav"), 1);
}
