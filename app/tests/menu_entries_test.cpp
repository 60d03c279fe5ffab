// The main menu laid out in rows from its table: five entries where the menu
// has always had them, and more still one under another inside the page.
#include <gtest/gtest.h>

#include "app/pages/menu_entries.h"

namespace oravin {

void PrintTo(const MenuRect& r, std::ostream* out) {
  *out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

namespace {

TEST(MainMenuLayout, FiveEntriesLieWhereTheMenuHasAlwaysHadThem) {
  const MenuLayout menu{3, 5};
  const struct {
    const wchar_t* title;
    MenuRect button, label;
  } rows[] = {
      {L"搜索助手", {8, 24, 25, 25}, {32, 31, 60, 12}},  {L"网址助手", {8, 56, 25, 25}, {32, 64, 60, 12}},
      {L"文件夹助手", {8, 88, 25, 25}, {32, 96, 72, 12}}, {L"选项", {8, 152, 25, 25}, {32, 160, 36, 12}},
      {L"关于", {8, 184, 25, 25}, {32, 192, 36, 12}},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(menu.Row(i, rows[i].title).button, rows[i].button) << i;
    EXPECT_EQ(menu.Row(i, rows[i].title).label, rows[i].label) << i;
  }
  EXPECT_EQ(menu.LineTop(), 136);
}

TEST(MainMenuLayout, MoreEntriesStayInsideThePageOneUnderAnotherWithTheLineBetweenTheGroups) {
  for (const MenuLayout menu : {MenuLayout{4, 6}, MenuLayout{3, 6}, MenuLayout{4, 7}, MenuLayout{5, 7}}) {
    SCOPED_TRACE(std::to_string(menu.assistants) + " of " + std::to_string(menu.entries));
    for (size_t i = 0; i + 1 < menu.entries; ++i) {
      const MenuRect button = menu.Row(i, L"文件夹助手").button, next = menu.Row(i + 1, L"").button;
      EXPECT_LE(button.top + button.height, next.top) << i;
      if (i + 1 == menu.assistants) {
        EXPECT_LT(button.top + button.height, menu.LineTop());
        EXPECT_LT(menu.LineTop(), next.top);
      }
    }
    const MenuRect last = menu.Row(menu.entries - 1, L"").button;
    EXPECT_LE(last.top + last.height, kMenuPageHeight);
  }
}

}  // namespace
}  // namespace oravin
