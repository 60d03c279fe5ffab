#include "data/list_merge.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace oravin {
namespace {

using Entries = std::vector<std::wstring>;

Entries Sorted(Entries entries) {
  std::sort(entries.begin(), entries.end());
  return entries;
}

struct MergeCase {
  const char* name;
  std::optional<Entries> base;
  Entries here, there, merged, editedOnBothSides;
};

const std::wstring a = L"A <Address>http://a/", b = L"B <Address>http://b/", c = L"C <Address>http://c/";
const std::wstring aRetitled = L"A2 <Address>http://a/", aMoved = L"A <Address>http://a2/",
                   aMovedElsewhere = L"A <Address>http://a3/";

const MergeCase kCases[] = {
    {"nothing changed", Entries{a, b}, {a, b}, {a, b}, {a, b}, {}},
    {"added here", Entries{a}, {a, b}, {a}, {a, b}, {}},
    {"added on both sides, different entries", Entries{a}, {a, b}, {a, c}, {a, b, c}, {}},
    {"added on both sides, the same entry: once", Entries{a}, {a, b}, {a, b}, {a, b}, {}},
    {"deleted here", Entries{a, b}, {a}, {a, b}, {a}, {}},
    {"deleted on both sides", Entries{a, b}, {a}, {a}, {a}, {}},
    {"added here, deleted there", Entries{a}, {a, b}, {}, {b}, {}},
    {"edited here", Entries{a, b}, {aRetitled, b}, {a, b}, {aRetitled, b}, {}},
    {"edited there, deleted here: the edit is kept", Entries{a, b}, {b}, {aMoved, b}, {aMoved, b}, {}},
    {"edited alike on both sides", Entries{a}, {aMoved}, {aMoved}, {aMoved}, {}},
    {"edited differently on both sides: both kept", Entries{a}, {aRetitled}, {aMoved}, {aRetitled, aMoved}, {a}},
    {"address edited differently on both sides", Entries{a}, {aMoved}, {aMovedElsewhere}, {aMoved, aMovedElsewhere}, {a}},
    {"one of two duplicates deleted there", Entries{a, a}, {a, a}, {a}, {a}, {}},
    {"the same duplicate added on both sides: once", Entries{a}, {a, a}, {a, a}, {a, a}, {}},
    {"a duplicate added here, one deleted there", Entries{a, a}, {a, a, a}, {a}, {a, a}, {}},
    {"there emptied, with an addition here", Entries{a, b}, {a, b, c}, {}, {c}, {}},
    {"base empty: both sides' additions", Entries{}, {a}, {b}, {a, b}, {}},
    {"base unknown: the union, nothing deleted", std::nullopt, {a, b}, {b, c}, {a, b, c}, {}},
    {"base unknown: duplicates as the side holding more", std::nullopt, {a, a}, {a}, {a, a}, {}},
};

TEST(MergeLists, TakesTheChangesOfBothSides) {
  for (const MergeCase& test : kCases) {
    SCOPED_TRACE(test.name);
    const MergedList merged = MergeLists(test.base, test.here, test.there);
    EXPECT_EQ(Sorted(merged.entries), Sorted(test.merged));
    EXPECT_EQ(merged.editedOnBothSides, test.editedOnBothSides);
  }
}

// Three random lists from a small pool, so that they share entries and hold duplicates.
TEST(MergeLists, KeepsEveryAdditionAndNoDeletionOfRandomLists) {
  std::mt19937 random(26);
  std::vector<std::wstring> pool;
  for (int i = 0; i < 12; ++i) pool.push_back(L"T" + std::to_wstring(i % 5) + L" <Address>u" + std::to_wstring(i % 7));
  const auto randomList = [&] {
    Entries list(random() % 9);
    for (std::wstring& entry : list) entry = pool[random() % pool.size()];
    return list;
  };
  const auto count = [](const Entries& list, const std::wstring& entry) {
    return std::count(list.begin(), list.end(), entry);
  };
  for (int round = 0; round < 3000; ++round) {
    const Entries base = randomList(), here = randomList(), there = randomList();
    const bool baseKnown = round % 4 != 0;
    const Entries merged = MergeLists(baseKnown ? std::optional(base) : std::nullopt, here, there).entries;
    for (const std::wstring& entry : pool) {
      const auto b = baseKnown ? count(base, entry) : 0, h = count(here, entry), t = count(there, entry),
                 m = count(merged, entry);
      // Added on a side: at least as many as that side holds beyond the base.
      ASSERT_GE(m, std::max(h, t) - b) << round;
      // Deleted on a side, added on neither: at most what that side left.
      if (h <= b && t <= b) {
        ASSERT_LE(m, std::min(h, t)) << round;
      }
      // Every entry comes from one of the sides.
      ASSERT_LE(m, std::max(h, t)) << round;
    }
  }
}

}  // namespace
}  // namespace oravin
