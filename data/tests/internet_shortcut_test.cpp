#include <gtest/gtest.h>

#include <random>

#include "data/internet_shortcut.h"
#include "testing/damage.h"
#include "testing/latin1_codec.h"

namespace oravin {
namespace {

TEST(InternetShortcut, GivesTheUrlOfItsOwnSectionWhateverItsCaseAndEncoding) {
  testing::Latin1Codec codePage;
  // As Internet Explorer saves one: a [DEFAULT] section with an address of its own comes first.
  EXPECT_EQ(InternetShortcutAddress(codePage, "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n"
                                    "[DEFAULT]\r\nBASEURL=http://wrong.example/\r\n"
                                    "[InternetShortcut]\r\nIDList=\r\nURL=http://www.example.com/a?b=c\r\n"
                                    "IconIndex=0\r\nHotKey=0\r\n"),
            L"http://www.example.com/a?b=c");
  // As a browser writes one when a link is dragged to the desktop.
  EXPECT_EQ(InternetShortcutAddress(codePage, "[InternetShortcut]\nURL=https://zh.wikipedia.org/\n"), L"https://zh.wikipedia.org/");
  EXPECT_EQ(InternetShortcutAddress(codePage, "[internetshortcut]\r\n  url = http://a/ \r\n"), L"http://a/");
  EXPECT_EQ(InternetShortcutAddress(codePage, "[InternetShortcut]\rURL=http://a/\rIconIndex=0\r"), L"http://a/");
  EXPECT_EQ(InternetShortcutAddress(codePage, "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://\xC3\xA9t\xC3\xA9.example/\r\n"),
            L"http://été.example/");
  for (const char* none : {"", "[DEFAULT]\r\nBASEURL=http://a/\r\n", "URL=http://a/\r\n",
                           "[InternetShortcut]\r\nURL=\r\n", "[InternetShortcut]\r\n[Other]\r\nURL=http://a/\r\n"}) {
    EXPECT_EQ(InternetShortcutAddress(codePage, none), std::nullopt) << none;
  }
}

// Read by hand too, for the system's INI reader wants a file on disk.
TEST(InternetShortcut, ReadsAnyDamagedShortcutToNothingOrAnAddress) {
  testing::Latin1Codec codePage;
  const std::string sound = "[DEFAULT]\r\nBASEURL=http://b/\r\n[InternetShortcut]\r\nURL=http://www.example.com/a?b=c\r\n";
  std::mt19937 random(28);
  for (int round = 0; round < 2000; ++round) {
    const std::optional<std::wstring> address = InternetShortcutAddress(codePage, testing::Damaged(sound, random));
    if (!address) continue;
    EXPECT_FALSE(address->empty());
    EXPECT_NE(address->front(), L' ');
    EXPECT_NE(address->back(), L' ');
    EXPECT_EQ(address->find_first_of(L"\r\n"), std::wstring::npos) << *address;
  }
}

}  // namespace
}  // namespace oravin
