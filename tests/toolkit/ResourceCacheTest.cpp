#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "toolkit/ResourceCache.hpp"

namespace {

// Loads succeed only for paths listed as present; every attempt is counted.
struct FakeFile {
    static std::set<std::string> present;
    static std::map<std::string, int> attempts;
    bool loadFromFile(const std::string& path) {
        ++attempts[path];
        return present.count(path) != 0;
    }
};
std::set<std::string> FakeFile::present;
std::map<std::string, int> FakeFile::attempts;

// The fake's files and counts are shared, so each test starts them afresh.
class ResourceCacheTest : public testing::Test {
protected:
    void SetUp() override {
        FakeFile::present.clear();
        FakeFile::attempts.clear();
    }
};

TEST_F(ResourceCacheTest, SecondRequestForAPathSharesTheObjectAndLoadsNothing) {
    FakeFile::present = {"a.png", "b.png"};
    tk::ResourceCache<FakeFile> cache;
    FakeFile& first = cache.acquire("a.png");
    EXPECT_NE(&cache.acquire("b.png"), &first);
    EXPECT_EQ(&cache.acquire("a.png"), &first);
    EXPECT_EQ(FakeFile::attempts["a.png"], 1);
}

TEST_F(ResourceCacheTest, FailedLoadNamesTheKeyStoresNothingAndIsRetried) {
    const std::string path = "assets/fonts/x.ttf";
    tk::ResourceCache<FakeFile> cache;
    try {
        cache.acquire(path);
        FAIL() << "a missing file must throw";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Failed to load resource \"[FromFile] assets/fonts/x.ttf\"");
    }
    EXPECT_FALSE(cache.isLoaded(path));
    FakeFile::present.insert(path);
    cache.acquire(path);
    EXPECT_TRUE(cache.isLoaded(path));
    EXPECT_EQ(FakeFile::attempts[path], 2);
}

}  // namespace
