#include <gtest/gtest.h>

#include "data/entry.h"
#include "data/settings.h"
#include "testing/captured_message_boxes.h"
#include "testing/latin1_codec.h"
#include "testing/scratch_dir.h"

namespace oravin {
namespace {

TEST(ParseSettings, ReadsAllSixFields) {
  const SettingsFields f = ParseSettings(L"0<Split>2<Split>1<Split>0<Split>50<Split>1");
  EXPECT_EQ(f.animate, 0);
  EXPECT_EQ(f.mode, 2);
  EXPECT_EQ(f.openInNewWindow, 1);
  EXPECT_EQ(f.startWithWindows, 0);
  EXPECT_EQ(f.resultCount, L"50");
  EXPECT_EQ(f.exactPhrase, 1);
}

TEST(ParseSettings, StopsSilentlyAtTheFirstMissingOrDamagedField) {
  SettingsFields f = ParseSettings(L"0<Split>2");
  EXPECT_EQ(f.animate, 0);
  EXPECT_EQ(f.mode, 2);
  EXPECT_FALSE(f.openInNewWindow);
  EXPECT_FALSE(f.resultCount);

  f = ParseSettings(L"1<Split>1<Split>3<Split>1<Split>100<Split>0");  // a check box holds 0..2
  EXPECT_EQ(f.mode, 1);
  EXPECT_FALSE(f.openInNewWindow);
  EXPECT_FALSE(f.startWithWindows);

  f = ParseSettings(L"1<Split>99999999999<Split>1");  // too large for the mode
  EXPECT_EQ(f.animate, 1);
  EXPECT_FALSE(f.mode);
  EXPECT_FALSE(f.openInNewWindow);

  f = ParseSettings(L"1<Split>1<Split>0<Split>1<Split>1e400<Split>1");  // a count beyond every number
  EXPECT_EQ(f.startWithWindows, 1);
  EXPECT_FALSE(f.resultCount);
  EXPECT_FALSE(f.exactPhrase);

  EXPECT_FALSE(ParseSettings(L"").animate);
  EXPECT_FALSE(ParseSettings(L"-1").animate);
}

TEST(ParseSettings, ReadsNumbersByTheirLeadingDigitsWithHalvesToEven) {
  const SettingsFields f = ParseSettings(L" 2 <Split>7x<Split>1.5<Split>0.5<Split>0050abc<Split>abc");
  EXPECT_EQ(f.animate, 2);   // greyed is a value like the others
  EXPECT_EQ(f.mode, 7);         // loads; the window then shows no list
  EXPECT_EQ(f.openInNewWindow, 2);      // 1.5 rounds to 2
  EXPECT_EQ(f.startWithWindows, 0);   // 0.5 rounds to 0
  EXPECT_EQ(f.resultCount, L"50");  // leading zeros disappear
  EXPECT_EQ(f.exactPhrase, 0);     // no leading number reads as 0
  EXPECT_EQ(ParseSettings(L"1<Split>0<Split>0<Split>1<Split>x").resultCount, L"0");
}

// Ctrl+Alt+Space is 0x620: Ctrl (0x200) and Alt (0x400) with the space bar's code.
TEST(ParseSettings, TheSeventhFieldIsASoundQuickOpenKeyNoneOrElseTheDefault) {
  const std::wstring six = L"1<Split>0<Split>0<Split>1<Split>100<Split>0";
  EXPECT_FALSE(ParseSettings(six).quickOpenKey);  // the window then takes the default
  const struct {
    const wchar_t* field;
    Hotkey key;
  } cases[] = {
      {L"1568", kDefaultQuickOpenKey},  {L"0", kNoHotkey},        {L" 0 ", kNoHotkey},
      {L"1604", 0x644},                  // Ctrl+Alt+D
      {L"777", 0x309},                   // Ctrl+Shift+Tab
      {L"1147", 0x47B},                  // Alt+F12
      {L"65", kDefaultQuickOpenKey},     // a bare A
      {L"9", kDefaultQuickOpenKey},      // a bare Tab
      {L"324", kDefaultQuickOpenKey},    // Shift+D
      {L"1553", kDefaultQuickOpenKey},   // Ctrl+Alt with Ctrl itself as the key
      {L"519", kDefaultQuickOpenKey},    // Ctrl with an unassigned code
      {L"4672", kDefaultQuickOpenKey},   // a modifier bit the control never gives
      {L"70000", kDefaultQuickOpenKey},  {L"1568.5", kDefaultQuickOpenKey},
      {L"junk", kDefaultQuickOpenKey},   {L"", kDefaultQuickOpenKey},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSettings(six + L"<Split>" + c.field).quickOpenKey, c.key) << c.field;
  EXPECT_FALSE(ParseSettings(L"1<Split>0<Split>0<Split>1<Split>100<Split>9<Split>1568").quickOpenKey);
}

// Browser bookmarks off: the key is written too, so the eighth field keeps its place.
TEST(Settings, TheEighthFieldTurnsBrowserBookmarksOff) {
  const std::wstring seven = L"1<Split>0<Split>0<Split>1<Split>100<Split>0<Split>1568";
  EXPECT_FALSE(ParseSettings(seven).browserBookmarks);
  EXPECT_EQ(ParseSettings(seven + L"<Split>0").browserBookmarks, 0);
  EXPECT_FALSE(ParseSettings(seven + L"<Split>7").browserBookmarks);
  Options o;
  o.browserBookmarks = 0;
  EXPECT_EQ(FormatSettings(o), seven + L"<Split>0");
}

TEST(FormatSettings, WritesTheCountFromTheLeadingNumberOfTheBox) {
  Options o;
  EXPECT_EQ(FormatSettings(o), L"1<Split>0<Split>0<Split>1<Split>100<Split>0");
  o.resultCount = L"12abc";
  o.quickOpenKey = kHotkeyAlt | 0x7B;  // a key of the user's own: a seventh field
  EXPECT_EQ(FormatSettings(o), L"1<Split>0<Split>0<Split>1<Split>12<Split>0<Split>1147");
  o.resultCount = L"words";
  o.mode = 2;
  o.exactPhrase = 2;
  o.quickOpenKey = kNoHotkey;
  EXPECT_EQ(FormatSettings(o), L"1<Split>2<Split>0<Split>1<Split>0<Split>2<Split>0");
  // A count beyond every number is written as the count a search takes for it.
  const struct {
    const wchar_t* box;
    const wchar_t* field;
  } counts[] = {{L"1e400", L"2147483647"}, {L"-1e400", L"-2147483648"}, {L"1e300", L"1e+300"}, {L"2.5", L"2.5"}};
  for (const auto& c : counts) {
    o.resultCount = c.box;
    EXPECT_EQ(SplitText(FormatSettings(o), kSplit)[4], c.field) << c.box;
  }
  EXPECT_EQ(NumberText(2.5), L"2.5");
  EXPECT_EQ(NumberText(-5), L"-5");
}

TEST(SettingsFile, RoundTripsThroughTheProgramsBinFolder) {
  testing::Latin1Codec codePage;
  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
  const std::wstring bin = dir.wpath(L"Bin");
  Notices notices;
  EXPECT_FALSE(LoadSettings(codePage, bin, notices).animate);
  boxes.Tell(notices);
  ASSERT_EQ(boxes.calls.size(), 1u);  // a missing file is told once
  Options o;
  o.mode = 2;
  o.resultCount = L"25";
  notices.clear();
  SaveSettings(codePage, o, bin, notices);
  boxes.Tell(notices);
  EXPECT_EQ(testing::ReadBytes(dir.path() / "Bin" / "Settings.txt"), "1<Split>2<Split>0<Split>1<Split>25<Split>0\r\n");
  notices.clear();
  const SettingsFields f = LoadSettings(codePage, bin, notices);
  boxes.Tell(notices);
  EXPECT_EQ(f.mode, 2);
  EXPECT_EQ(f.resultCount, L"25");
  EXPECT_EQ(boxes.calls.size(), 1u);
}

}  // namespace
}  // namespace oravin
