// The main menu laid out in rows from its table: five entries where the menu
// has always had them (more lie closer; a table that would not fit does not compile).
#include <gtest/gtest.h>

#include "app/pages/menu_entries.h"

namespace oravin {
namespace {

TEST(MainMenuLayout, FiveEntriesLieWhereTheMenuHasAlwaysHadThem) {
  const MenuLayout menu{3, 5};
  const struct { const wchar_t* title; MenuRect button, label; } rows[] = {
      {L"搜索助手", {8, 24, 25, 25}, {32, 31, 60, 12}},  {L"网址助手", {8, 56, 25, 25}, {32, 64, 60, 12}},
      {L"文件夹助手", {8, 88, 25, 25}, {32, 96, 72, 12}}, {L"选项", {8, 152, 25, 25}, {32, 160, 36, 12}},
      {L"关于", {8, 184, 25, 25}, {32, 192, 36, 12}},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_TRUE(menu.Row(i, rows[i].title).button == rows[i].button) << i;
    EXPECT_TRUE(menu.Row(i, rows[i].title).label == rows[i].label) << i;
  }
  EXPECT_EQ(menu.LineTop(), 136);
}

}  // namespace
}  // namespace oravin
