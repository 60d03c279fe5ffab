#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/pinyin.h"

namespace oravin {
namespace {

std::vector<std::string> Readings(wchar_t c) {
  const PinyinReadings readings = ReadingsOf(c);
  std::vector<std::string> all;
  for (size_t i = 0; i < readings.size(); ++i) all.emplace_back(readings[i]);
  return all;
}

// From one reading to the largest set, at both ends of the range and past them.
TEST(Pinyin, EveryReadingOfTheDictionariesWithoutTones) {
  using R = std::vector<std::string>;
  EXPECT_EQ(Readings(L'一'), (R{"yi"}));
  EXPECT_EQ(Readings(L'绿'), (R{"lu", "lv"}));  // lǜ
  EXPECT_EQ(Readings(L'略'), (R{"lve"}));
  EXPECT_EQ(Readings(L'重'), (R{"chong", "tong", "zhong"}));
  EXPECT_EQ(Readings(L'行'), (R{"hang", "heng", "xing"}));
  EXPECT_EQ(Readings(L'嗯'), (R{"n", "ng"}));  // tone marks on consonants: ň, ňg
  EXPECT_EQ(Readings(L'欸'), (R{"ai", "e", "ei", "xie"}));  // ê
  EXPECT_EQ(Readings(L'敦'), (R{"dao", "diao", "dui", "dun", "tuan", "tun", "zhun"}));
  EXPECT_EQ(Readings(L'擖'), (R{"ge", "gua", "jia", "ka", "lie", "qia", "ye", "zha"}));
  EXPECT_EQ(Readings(wchar_t(0x3400)), (R{"qiu"}));  // first of Extension A
  EXPECT_EQ(Readings(wchar_t(0x4DB5)), (R{"chi"}));
  EXPECT_EQ(Readings(wchar_t(0x9FED)), (R{"ni"}));
  EXPECT_EQ(Readings(wchar_t(0x4DC0)), R{});  // a Yijing hexagram, between the blocks
  EXPECT_EQ(Readings(wchar_t(0x9FFF)), R{});
  EXPECT_EQ(Readings(wchar_t(0x33FF)), R{});
  EXPECT_EQ(Readings(wchar_t(0xA000)), R{});
  EXPECT_EQ(Readings(L'a'), R{});
}

}  // namespace
}  // namespace oravin
