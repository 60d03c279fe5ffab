#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/listboxex/list_model.h"
#include "testing/captured_message_boxes.h"

namespace oravin {
namespace {

using ::testing::ElementsAre;
using testing::CapturedMessageBoxes;

std::vector<std::wstring> Items(const ListModel& list) {
  std::vector<std::wstring> items;
  for (int32_t i = 0; i < list.ItemCount(); ++i) items.push_back(list.ItemText(i));
  return items;
}

// The model as the list control holds it: what it refuses is told.
void Shown(ListModel& list, CapturedMessageBoxes& boxes) {
  list.OnRefusal([&boxes](const Notice& refusal) { boxes.Tell({refusal}); });
}

ListModel ListOf(int32_t sortOrder, std::initializer_list<const wchar_t*> texts) {
  ListModel list;
  list.SetSortOrder(sortOrder);
  for (const wchar_t* text : texts) list.AddItem(text);
  return list;
}

// The item order exactly as the list has always produced it: every re-sort
// rebuilds the list with a linear insertion scan. Kept here to prove that the
// fast path orders everything the same way.
struct ReferenceList {
  int32_t sortOrder = 0;
  std::vector<std::wstring> items;

  void SortItems() {
    if (sortOrder == 0) return;
    std::vector<std::wstring> sorted;
    for (const std::wstring& item : items) {
      auto j = sorted.begin();
      while (j != sorted.end() && CompareUserLocale(item, *j) != sortOrder) ++j;
      sorted.insert(j, item);
    }
    items = sorted;
  }
  void AddItem(const std::wstring& text, int32_t index) {
    items.insert(index < 0 ? items.end() : items.begin() + index, text);
    SortItems();
  }
  void Remove(int32_t index) {
    items.erase(items.begin() + index);
    SortItems();
  }
};

TEST(ListModelSorting, AscendingDescendingAndInsertionOrder) {
  EXPECT_THAT(Items(ListOf(-1, {L"b", L"A", L"c"})), ElementsAre(L"A", L"b", L"c"));
  EXPECT_THAT(Items(ListOf(1, {L"b", L"A", L"c"})), ElementsAre(L"c", L"b", L"A"));
  EXPECT_THAT(Items(ListOf(0, {L"b", L"A", L"c"})), ElementsAre(L"b", L"A", L"c"));
}

TEST(ListModelSorting, ItemsDifferingOnlyInCaseKeepTheirInsertionOrder) {
  for (int32_t order : {-1, 1, 0}) {
    ListModel list = ListOf(order, {L"abc", L"x", L"ABC", L"Abc"});
    list.AddItem(L"aBc", 0);
    std::vector<std::wstring> equals;
    for (const std::wstring& item : Items(list))
      if (item != L"x") equals.push_back(item);
    EXPECT_THAT(equals, ElementsAre(L"aBc", L"abc", L"ABC", L"Abc")) << "SortOrder " << order;
  }
}

TEST(ListModelSorting, WritingSortOrderReordersAtOnceAndFlippingKeepsEqualsInOrder) {
  ListModel list = ListOf(0, {L"b", L"B", L"a", L"c"});
  list.SetSortOrder(1);
  EXPECT_THAT(Items(list), ElementsAre(L"c", L"b", L"B", L"a"));
  list.SetSortOrder(-1);
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"b", L"B", L"c"));
}

TEST(ListModelSorting, AnOrderOtherThanMinusOneZeroOrOneKeepsTheCurrentOrder) {
  ListModel list = ListOf(2, {L"b", L"A", L"c"});
  list.AddItem(L"a", 1);
  EXPECT_THAT(Items(list), ElementsAre(L"b", L"a", L"A", L"c"));
}

TEST(ListModelSorting, AddingToASortedListIsABinarySearch) {
  int comparisons = 0;
  ListModel list([&](std::wstring_view a, std::wstring_view b) {
    ++comparisons;
    return CompareUserLocale(a, b);
  });
  list.SetSortOrder(-1);
  for (int i = 0; i < 4096; ++i) list.AddItem(std::to_wstring(i * 7919 % 4096));
  comparisons = 0;
  list.AddItem(L"2048");
  list.AddItem(L"999", 100);
  EXPECT_LE(comparisons, 3 * 13);  // about log2(4096) per search, two searches for an insert at an index
  comparisons = 0;
  list.AddItem(L"zzz");
  EXPECT_EQ(comparisons, 1);  // after the last item: a list loaded in order
}

TEST(ListModelSorting, AStoredOrderSortsEverythingAtTheNextChange) {
  ListModel list = ListOf(0, {L"c", L"a", L"b"});
  list.StoreSortOrder(-1);
  EXPECT_THAT(Items(list), ElementsAre(L"c", L"a", L"b"));
  list.AddItem(L"d", 0);
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"b", L"c", L"d"));
}

TEST(ListModelSorting, ReplacingATextDoesNotResortButTheNextChangeDoes) {
  ListModel list = ListOf(-1, {L"a", L"b", L"c"});
  list.SetItemText(0, L"z");
  EXPECT_THAT(Items(list), ElementsAre(L"z", L"b", L"c"));
  list.AddItem(L"d");
  EXPECT_THAT(Items(list), ElementsAre(L"b", L"c", L"d", L"z"));
  EXPECT_THROW(list.SetItemText(4, L"x"), std::out_of_range);
}

// Random operations on the list and on the reference; the items must agree after each.
TEST(ListModelSorting, OrdersExactlyLikeTheInsertionScan) {
  std::mt19937 random(20240601);
  const std::vector<std::wstring> words = {L"apple", L"Apple", L"APPLE", L"b", L"B", L"banana", L"cherry",
                                           L"Cherry", L"d", L"", L" ", L"zeta", L"Zeta", L"10", L"9"};
  for (int round = 0; round < 40; ++round) {
    ListModel list;
    ReferenceList reference;
    for (int step = 0; step < 300; ++step) {
      const int action = static_cast<int>(random() % 20);
      const int32_t count = list.ItemCount();
      if (action < 12) {
        const std::wstring& text = words[random() % words.size()];
        const int32_t index = (count == 0 || random() % 2) ? -1 : static_cast<int32_t>(random() % count);
        const int32_t at = list.AddItem(text, index);
        reference.AddItem(text, index);
        ASSERT_EQ(list.ItemText(at), text);
      } else if (action < 16 && count > 0) {
        const int32_t index = static_cast<int32_t>(random() % count);
        list.Remove(index);
        reference.Remove(index);
      } else if (action < 18) {
        const int32_t order = static_cast<int32_t>(random() % 4) - 1;
        if (random() % 2) {
          list.SetSortOrder(order);
          reference.sortOrder = order;
          reference.SortItems();
        } else {
          list.StoreSortOrder(order);
          reference.sortOrder = order;
        }
      } else if (action < 19 && count > 0) {
        const int32_t index = static_cast<int32_t>(random() % count);
        const std::wstring& text = words[random() % words.size()];
        list.SetItemText(index, text);
        reference.items[index] = text;
      } else if (random() % 8 == 0) {
        list.Clear();
        reference.items.clear();
      }
      ASSERT_EQ(Items(list), reference.items) << "round " << round << ", step " << step;
    }
  }
}

// A whole list at once ends exactly as adding its items one by one would, in
// every order, with one change to redo; a list in order costs one comparison per item.
TEST(ListModelFilling, EndsAsAddingEachItemWouldWithOneChangeAndOrderedInputIsNotSorted) {
  std::mt19937 random(20261207);
  const std::vector<std::wstring> words = {L"apple", L"Apple", L"APPLE", L"b", L"B", L"cherry", L"", L"10", L"9"};
  for (const int32_t order : {-1, 0, 1}) {
    for (int round = 0; round < 20; ++round) {
      std::vector<std::wstring> texts(random() % 40);
      for (std::wstring& text : texts) text = words[random() % words.size()];
      ListModel oneByOne;
      oneByOne.SetSortOrder(order);
      for (const std::wstring& text : texts) oneByOne.AddItem(text);
      ListModel filled = ListOf(order, {L"old"});
      std::vector<ListChange> changes;
      filled.OnChange([&](ListChange change) { changes.push_back(change); });
      filled.SetItems(texts);
      ASSERT_EQ(Items(filled), Items(oneByOne)) << "order " << order << ", round " << round;
      EXPECT_THAT(changes, ElementsAre(ListChange::Cleared));
      EXPECT_EQ(filled.SelectedIndex(), filled.ItemCount() ? 0 : -1);
    }
  }
  int comparisons = 0;
  ListModel list([&](std::wstring_view a, std::wstring_view b) {
    ++comparisons;
    return CompareUserLocale(a, b);
  });
  list.SetSortOrder(-1);
  std::vector<std::wstring> inOrder;
  for (int i = 0; i < 1000; ++i) inOrder.push_back(std::to_wstring(1000 + i));
  list.SetItems(inOrder);
  EXPECT_EQ(comparisons, 999);
  EXPECT_EQ(Items(list), inOrder);
}

TEST(ListModelAdding, AnIndexInsertsInFrontOfThatItem) {
  ListModel list = ListOf(0, {L"a", L"b"});
  list.AddItem(L"first", 0);
  list.AddItem(L"middle", 2);
  EXPECT_THAT(Items(list), ElementsAre(L"first", L"a", L"middle", L"b"));
}

TEST(ListModelAdding, TellsWhereTheItemWent) {
  CapturedMessageBoxes boxes;
  ListModel sorted = ListOf(-1, {L"apple", L"Apple"});
  Shown(sorted, boxes);
  EXPECT_EQ(sorted.AddItem(L"APPLE"), 2);     // after its equals
  EXPECT_EQ(sorted.AddItem(L"aPPle", 1), 1);  // at the index asked for, among its equals
  EXPECT_EQ(sorted.AddItem(L"0", 3), 0);      // in its place, whatever was asked
  EXPECT_THAT(Items(sorted), ElementsAre(L"0", L"apple", L"aPPle", L"Apple", L"APPLE"));
  ListModel unsorted = ListOf(0, {L"b", L"a"});
  Shown(unsorted, boxes);
  EXPECT_EQ(unsorted.AddItem(L"c"), 2);
  EXPECT_EQ(unsorted.AddItem(L"d", 1), 1);
  ListModel stored = ListOf(0, {L"c", L"a", L"b"});
  Shown(stored, boxes);
  stored.StoreSortOrder(-1);
  EXPECT_EQ(stored.AddItem(L"B", 0), 1);  // the whole list sorts: a, B, b, c
  EXPECT_THAT(Items(stored), ElementsAre(L"a", L"B", L"b", L"c"));
  EXPECT_EQ(stored.AddItem(L"x", 9), -1);
}

TEST(ListModelAdding, AnIndexThatNamesNoItemShowsTheBoxAndAddsNothing) {
  CapturedMessageBoxes boxes;
  ListModel list = ListOf(0, {L"a", L"b"});
  Shown(list, boxes);
  list.AddItem(L"x", 2);
  list.AddItem(L"y", -2);
  ListModel empty;
  Shown(empty, boxes);
  empty.AddItem(L"z", 0);
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"b"));
  EXPECT_EQ(empty.ItemCount(), 0);
  ASSERT_EQ(boxes.calls.size(), 3u);
  EXPECT_EQ(boxes.calls[0].title, L"Error, Item could not be added!");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Critical);
  EXPECT_EQ(boxes.calls[0].text, L"Invalid index 2: the list has 2 items (-1 adds at the end).");
}

TEST(ListModelAdding, TheKeyNullMeansNoKeyButOtherSpellingsAreRealKeys) {
  CapturedMessageBoxes boxes;
  ListModel list;
  Shown(list, boxes);
  list.AddItem(L"a", -1, L"Null");
  list.AddItem(L"b", -1, L"Null");
  EXPECT_FALSE(list.HasKey(L"Null"));
  list.AddItem(L"c", -1, L"null");
  EXPECT_TRUE(list.HasKey(L"null"));
  list.AddItem(L"d", -1, L"null");
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"b", L"c"));
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"The key \"null\" is already used by another item.");
}

TEST(ListModelAdding, RemovingAnItemFreesItsKey) {
  CapturedMessageBoxes boxes;
  ListModel list;
  Shown(list, boxes);
  list.AddItem(L"a", -1, L"k");
  list.Remove(0);
  list.AddItem(L"b", -1, L"k");
  EXPECT_TRUE(boxes.calls.empty());
  EXPECT_TRUE(list.HasKey(L"k"));
}

TEST(ListModelAdding, EveryResortDropsTheKeys) {
  CapturedMessageBoxes boxes;
  ListModel list;
  Shown(list, boxes);
  list.AddItem(L"a", -1, L"k");
  list.SetSortOrder(2);
  EXPECT_FALSE(list.HasKey(L"k"));
  list.AddItem(L"b", -1, L"k");  // dropped again by the re-sort of this very add
  list.AddItem(L"c", -1, L"k");
  EXPECT_TRUE(boxes.calls.empty());
  EXPECT_EQ(list.ItemCount(), 3);
}

TEST(ListModelAdding, AComparisonThatFailsShowsTheBoxAndLeavesTheListAsItWas) {
  CapturedMessageBoxes boxes;
  bool fail = false;
  ListModel list([&](std::wstring_view a, std::wstring_view b) {
    if (fail) throw std::runtime_error("no comparison");
    return CompareUserLocale(a, b);
  });
  Shown(list, boxes);
  list.SetSortOrder(-1);
  list.AddItem(L"b");
  list.AddItem(L"a");
  list.SetItemText(0, L"c");  // unsorted now: the next add sorts everything
  fail = true;
  list.AddItem(L"x", 1, L"key");
  EXPECT_THAT(Items(list), ElementsAre(L"c", L"b"));
  EXPECT_FALSE(list.HasKey(L"key"));
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"no comparison");
}

TEST(ListModelSelection, ReadsMinusOneAndNoTextWhileEmpty) {
  ListModel list;
  list.SetSelectedIndex(5);
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(list.Text(), L"");
  EXPECT_EQ(list.StoredListIndex(), 0);
}

TEST(ListModelSelection, AWriteBeyondTheEndSelectsTheLastItem) {
  ListModel list = ListOf(0, {L"a", L"b", L"c"});
  list.SetSelectedIndex(99);
  EXPECT_EQ(list.SelectedIndex(), 2);
  EXPECT_EQ(list.Text(), L"c");
  list.SetSelectedIndex(-7);
  EXPECT_EQ(list.SelectedIndex(), 0);
}

TEST(ListModelSelection, StoringLeavesTheValueUntilClamped) {
  ListModel list = ListOf(0, {L"a", L"b"});
  list.StoreListIndex(9);
  EXPECT_EQ(list.StoredListIndex(), 9);
  list.ClampListIndex();
  EXPECT_EQ(list.SelectedIndex(), 1);
}

TEST(ListModelRemoving, TheSelectedLastItemHandsTheSelectionToTheNewLast) {
  ListModel list = ListOf(0, {L"a", L"b", L"c"});
  list.SetSelectedIndex(2);
  list.Remove();
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"b"));
  EXPECT_EQ(list.SelectedIndex(), 1);
}

TEST(ListModelRemoving, TheSelectedFirstItemKeepsIndexZeroOnTheNextItem) {
  ListModel list = ListOf(0, {L"a", L"b", L"c"});
  list.Remove(0);
  EXPECT_EQ(list.SelectedIndex(), 0);
  EXPECT_EQ(list.Text(), L"b");
}

TEST(ListModelRemoving, WithoutAnArgumentRemovesTheSelectedItem) {
  ListModel list = ListOf(0, {L"a", L"b", L"c"});
  list.SetSelectedIndex(1);
  list.Remove();
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"c"));
}

TEST(ListModelRemoving, AnIndexThatNamesNoItemThrowsAndChangesNothing) {
  ListModel empty;
  EXPECT_THROW(empty.Remove(), std::out_of_range);
  ListModel list = ListOf(0, {L"a", L"b"});
  EXPECT_THROW(list.Remove(2), std::out_of_range);
  EXPECT_THROW(list.Remove(-2), std::out_of_range);
  EXPECT_THROW(list.ItemText(2), std::out_of_range);
  EXPECT_THROW(list.ItemText(-1), std::out_of_range);
  EXPECT_THAT(Items(list), ElementsAre(L"a", L"b"));
}

TEST(ListModelClearing, AnAddAfterClearIsSelected) {
  ListModel list = ListOf(-1, {L"a", L"b", L"c"});
  list.SetSelectedIndex(2);
  list.Clear();
  EXPECT_EQ(list.ItemCount(), 0);
  list.AddItem(L"new");
  EXPECT_EQ(list.SelectedIndex(), 0);
  EXPECT_EQ(list.Text(), L"new");
}

TEST(ListModelChanges, EachChangeTellsWhatToRedoAndARefusedAddTellsNothing) {
  CapturedMessageBoxes boxes;
  ListModel list;
  Shown(list, boxes);
  std::vector<ListChange> changes;
  list.OnChange([&](ListChange change) { changes.push_back(change); });
  list.AddItem(L"a");
  list.AddItem(L"b", 5);
  list.SetSelectedIndex(0);
  list.SetSortOrder(-1);
  list.SetItemText(0, L"c");
  list.Remove(0);
  list.Clear();
  EXPECT_THAT(changes, ElementsAre(ListChange::Items, ListChange::Selection, ListChange::Order, ListChange::Text,
                                   ListChange::Items, ListChange::Cleared));
}

}  // namespace
}  // namespace oravin
