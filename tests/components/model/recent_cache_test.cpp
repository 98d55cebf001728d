#include "components/model/recent_cache.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ostrevin {
namespace {

// A cache of three strings by number that notes every value it had to make.
class RecentCacheTest : public testing::Test {
 protected:
  std::string& Get(int key) {
    return cache.FindOrMake(key, [&] {
      made.push_back(key);
      return "value " + std::to_string(key);
    });
  }

  RecentCache<int, std::string> cache{3};
  std::vector<int> made;
};

TEST_F(RecentCacheTest, MakesAValueOnceAndHandsTheSameOneBack) {
  std::string& first = Get(1);
  EXPECT_EQ(first, "value 1");
  Get(2);
  EXPECT_EQ(&Get(1), &first);
  EXPECT_EQ(made, (std::vector<int>{1, 2}));
  EXPECT_EQ(cache.Size(), 2u);
}

TEST_F(RecentCacheTest, WhenFullTheValueUsedLongestAgoGoes) {
  Get(1);
  Get(2);
  Get(3);
  Get(1);  // now 2 is the one used longest ago
  Get(4);
  EXPECT_EQ(cache.Size(), 3u);
  made.clear();
  Get(1);
  Get(3);
  Get(4);
  EXPECT_TRUE(made.empty());
  Get(2);
  EXPECT_EQ(made, (std::vector<int>{2}));
  EXPECT_EQ(cache.Size(), 3u);
}

TEST_F(RecentCacheTest, AFailedMakeLeavesTheCacheAsItWas) {
  Get(1);
  Get(2);
  Get(3);
  EXPECT_THROW(cache.FindOrMake(4, []() -> std::string { throw std::runtime_error("no"); }),
               std::runtime_error);
  EXPECT_EQ(cache.Size(), 3u);
  made.clear();
  Get(1);
  Get(2);
  Get(3);
  EXPECT_TRUE(made.empty());
}

TEST_F(RecentCacheTest, ClearingLetsGoOfEveryValue) {
  RecentCache<int, std::shared_ptr<int>> owners(2);
  const auto value = std::make_shared<int>(7);
  owners.FindOrMake(1, [&] { return value; });
  EXPECT_EQ(value.use_count(), 2);
  owners.Clear();
  EXPECT_EQ(value.use_count(), 1);
  EXPECT_EQ(owners.Size(), 0u);
}

}  // namespace
}  // namespace ostrevin
