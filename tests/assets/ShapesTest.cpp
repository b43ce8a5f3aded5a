#include <gtest/gtest.h>

#include "Shapes.hpp"

using namespace assetgen;

TEST(ShapesTest, ConcavePolygonExcludesItsNotch) {
    // An L: the square (0..4, 0..4) without its upper right quarter.
    const Shape ell = polygon({{0, 0}, {2, 0}, {2, 2}, {4, 2}, {4, 4}, {0, 4}});
    EXPECT_LT(ell({1.f, 1.f}), 0.f);
    EXPECT_LT(ell({3.f, 3.f}), 0.f);
    EXPECT_GT(ell({3.f, 1.f}), 0.f);
    EXPECT_NEAR(ell({3.f, 1.f}), 1.f, 1e-5f);
}

TEST(ShapesTest, BoxTurnsAboutItsOwnCentre) {
    const Shape bar = box({10.f, 10.f}, {4.f, 1.f}, 0.f, 90.f);
    EXPECT_LT(bar({10.f, 13.f}), 0.f);
    EXPECT_GT(bar({13.f, 10.f}), 0.f);
}
