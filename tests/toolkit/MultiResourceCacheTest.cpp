#include <gtest/gtest.h>

#include <string>

#include "toolkit/MultiResourceCache.hpp"

namespace {

// Two types that load any path, counting their own loads.
template <int Tag>
struct AnyFile {
    static int loads;
    bool loadFromFile(const std::string&) { return ++loads > 0; }
};
template <int Tag>
int AnyFile<Tag>::loads = 0;

TEST(MultiResourceCacheTest, TypesSharingAPathGetSeparateObjectsEachLoadedOnce) {
    AnyFile<1>::loads = 0;
    AnyFile<2>::loads = 0;
    tk::MultiResourceCache cache;
    AnyFile<1>& first = cache.acquire<AnyFile<1>>("same.png");
    EXPECT_FALSE(cache.isLoaded<AnyFile<2>>("same.png"));
    cache.acquire<AnyFile<2>>("same.png");
    EXPECT_EQ(&cache.acquire<AnyFile<1>>("same.png"), &first);
    EXPECT_EQ(AnyFile<1>::loads, 1);
    EXPECT_EQ(AnyFile<2>::loads, 1);
}

}  // namespace
