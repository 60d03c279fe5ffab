#include <gtest/gtest.h>

#include <random>
#include <string>

#include "data/quick_learning.h"
#include "testing/damage.h"

namespace oravin {
namespace {

const LearnedFavorite kBaidu{L"Websites", L"百度", L"https://www.baidu.com/"};

TEST(QuickLearningFileTest, KeepsWithinItsBounds) {
  QuickLearning learning;
  for (size_t i = 0; i <= QuickLearning::kMostQueries; ++i) learning.Opened(L"q" + std::to_wstring(i), kBaidu);
  for (size_t i = 0; i <= QuickLearning::kMostPerQuery; ++i) {
    learning.Opened(L"many", {L"Websites", std::to_wstring(i), L"x"});
  }
  EXPECT_EQ(learning.MostOpenedWith(L"q0"), nullptr);  // used least lately
  EXPECT_NE(learning.MostOpenedWith(L"q2"), nullptr);  // q1 went for "many"
  size_t many = 0;
  for (const auto& [favorite, times] : learning.TimesOpened()) many += favorite.address == L"x";
  EXPECT_EQ(many, QuickLearning::kMostPerQuery);
}

// What a damaged or foreign file gives: the lines that read, and nothing else.
TEST(QuickLearningFileTest, ReadsOnlyWhatIsWhole) {
  const std::string header = "Oravin quick open picks 1\r\n";
  static constexpr char kNulInside[] = "wx\t2\t7\tWeb\0sites\t百度\tx\n";
  const std::string good = "wx\t2\t7\tWebsites\t百度\thttps://www.baidu.com/\r\n";
  const struct {
    std::string file;
    size_t learned;
  } cases[] = {
      {"", 0},
      {header, 0},
      {header + good, 1},
      {"\xEF\xBB\xBF" + header + good, 1},
      {header.substr(0, 10) + good, 0},  // cut short in its first line
      {"Oravin quick open picks 2\r\n" + good, 0},  // a later version's
      {"<html>" + header + good, 0},
      {header + good.substr(0, 20), 0},  // cut short in a line
      {header + "wx\t2\t7\tWebsites\t百度\thttps://www.baidu.com/\textra\n", 0},
      {header + "wx\t0\t7\tWebsites\t百度\tx\n", 0},
      {header + "wx\t-1\t7\tWebsites\t百度\tx\n", 0},
      {header + "wx\t99999999999999999\t7\tWebsites\t百度\tx\n", 0},
      {header + "wx\t2\t1e3\tWebsites\t百度\tx\n", 0},
      {header + "WX\t2\t7\tWebsites\t百度\tx\n", 0},  // not as learning keeps a query
      {header + "\t2\t7\tWebsites\t百度\tx\n", 0},
      {header + "wx\t2\t7\tWebsites\t百度\\q\tx\n", 0},
      {header + "wx\t2\t7\tWebsites\t百度\\\tx\n", 0},
      {header + "wx\t2\t7\tWebsites\t\xFF\xFE\tx\n" + good, 2},  // bytes that are no UTF-8 read as U+FFFD
      {header + std::string(kNulInside, sizeof kNulInside - 1) + good, 2},
      {header + good + "\n\n\r\n" + good, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuickLearning::FromFile(c.file).TimesOpened().size(), c.learned) << c.file;
  }
}

// Random damage to a sound file: it reads without fault, and what it reads
// is written as a file that reads the same.
TEST(QuickLearningFileTest, SurvivesRandomDamage) {
  QuickLearning learning;
  for (int i = 0; i < 40; ++i) learning.Opened(L"q" + std::to_wstring(i % 7), {L"Websites", L"标题\\" + std::to_wstring(i), L"a\tb"});
  const std::string sound = learning.FileText();
  std::mt19937 random(25);
  for (int round = 0; round < 200; ++round) {
    const QuickLearning read = QuickLearning::FromFile(testing::Damaged(sound, random));
    EXPECT_EQ(QuickLearning::FromFile(read.FileText()).FileText(), read.FileText());
  }
}

}  // namespace
}  // namespace oravin
