#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "controls/listboxex/chunked_list.h"

namespace oravin {
namespace {

std::vector<int> Contents(const ChunkedList<int>& list) {
  std::vector<int> items;
  for (std::size_t i = 0; i < list.size(); ++i) items.push_back(list[i]);
  return items;
}

// Enough items for many blocks, so splits, emptied blocks and the block
// table are all exercised against a plain vector.
TEST(ChunkedList, InsertsAndErasesAnywhereLikeAVector) {
  std::mt19937 random(7);
  ChunkedList<int> list;
  std::vector<int> expected;
  for (int step = 0; step < 20000; ++step) {
    const bool grow = expected.size() < 100 || random() % 3 != 0;
    if (grow) {
      const std::size_t at = random() % (expected.size() + 1);
      list.insert(at, step);
      expected.insert(expected.begin() + at, step);
    } else {
      const std::size_t at = random() % expected.size();
      list.erase(at);
      expected.erase(expected.begin() + at);
    }
  }
  ASSERT_EQ(list.size(), expected.size());
  EXPECT_EQ(Contents(list), expected);
}

TEST(ChunkedList, ErasingEverythingFromTheFrontLeavesAnEmptyUsableList) {
  ChunkedList<int> list;
  for (int i = 0; i < 3000; ++i) list.insert(list.size(), i);
  for (int i = 0; i < 3000; ++i) {
    ASSERT_EQ(list[0], i);
    list.erase(0);
  }
  EXPECT_TRUE(list.empty());
  list.insert(0, 42);
  EXPECT_EQ(Contents(list), std::vector<int>{42});
}

TEST(ChunkedList, AssignKeepsTheOrderAndAcceptsFurtherInserts) {
  ChunkedList<int> list;
  std::vector<int> items(2500);
  for (int i = 0; i < 2500; ++i) items[i] = i;
  list.assign(items);
  list.insert(1000, -1);
  items.insert(items.begin() + 1000, -1);
  EXPECT_EQ(Contents(list), items);
  int sum = 0;
  list.for_each([&](int& item) { sum += item; });
  EXPECT_EQ(sum, 2500 * 2499 / 2 - 1);
}

}  // namespace
}  // namespace oravin
