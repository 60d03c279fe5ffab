#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/quick_ranking.h"

namespace oravin {
namespace {

using Titles = std::vector<std::wstring>;

const std::vector<Favorite> kWebsites = {
    {L"Bing", L"https://www.bing.com/"},     {L"Baidu", L"https://www.baidu.com/"},
    {L"Bilibili", L"https://www.bilibili.com/"}, {L"微信", L"https://wx.qq.com/"},
    {L"网页版微信", L"https://web.wechat.com/"}, {L"Tabs in b", L"https://tabs.example/"},
};
const std::vector<Favorite> kFolders = {{L"Bing", L"D:\\Bing"}};

struct Step {
  enum { Open, Forget, Rename, Delete, Restart } what;
  std::wstring query;  // Open: typed before opening
  std::wstring title;  // of the website
};

struct Case {
  const char* behaviour;
  std::vector<Step> steps;
  std::wstring query;
  Titles first;  // the first results, best first
};

class QuickRankingTest : public testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    websites_ = kWebsites;
    ranking_.SetList(0, L"Websites", websites_);
    ranking_.SetList(1, L"FolderList", kFolders);
  }
  size_t IndexOf(const std::wstring& title) const {
    for (size_t i = 0; i < websites_.size(); ++i) {
      if (websites_[i].title == title) return i;
    }
    ADD_FAILURE() << "no such website";
    return 0;
  }
  void Run(const Step& step) {
    switch (step.what) {
      case Step::Open: return ranking_.Opened(step.query, {0, IndexOf(step.title)});
      case Step::Forget: return ranking_.Forget({0, IndexOf(step.title)});
      case Step::Rename: websites_[IndexOf(step.title)].title = step.query; break;
      case Step::Delete: websites_.erase(websites_.begin() + ptrdiff_t(IndexOf(step.title))); break;
      case Step::Restart: ranking_.SetLearning(QuickLearning::FromFile(ranking_.Learning().FileText())); return;
    }
    ranking_.SetList(0, L"Websites", websites_);
  }
  Titles First(std::wstring_view query, size_t count) const {
    Titles titles;
    for (const QuickMatch& m : ranking_.Search(query, count)) {
      titles.push_back((m.list == 0 ? websites_[m.index].title : L"folder " + kFolders[m.index].title));
    }
    return titles;
  }

  std::vector<Favorite> websites_;
  QuickRanking ranking_;
};

TEST_P(QuickRankingTest, Ranks) {
  const Case& c = GetParam();
  for (const Step& step : c.steps) Run(step);
  EXPECT_EQ(First(c.query, c.first.size()), c.first) << c.behaviour;
}

const Case kCases[] = {
    {"without learning, the matcher's order", {}, L"b", {L"Bing", L"folder Bing", L"Baidu", L"Bilibili"}},
    {"opened more often, first within the place",
     {{Step::Open, L"bili", L"Bilibili"}, {Step::Open, L"bili", L"Bilibili"}},
     L"b",
     {L"Bilibili", L"Bing"}},
    {"the exact query brings its favorite first from another place",
     {{Step::Open, L"wx", L"网页版微信"}},
     L"wx",
     {L"网页版微信", L"微信"}},
    {"the same query typed with other blanks and capitals", {{Step::Open, L" WX ", L"网页版微信"}}, L"wx", {L"网页版微信"}},
    {"a far better match stays above one learned with another query",
     {{Step::Open, L"weixin", L"网页版微信"}, {Step::Open, L"weixin", L"网页版微信"}},
     L"wx",
     {L"微信", L"网页版微信"}},
    {"the most opened of two with the same query comes first",
     {{Step::Open, L"b", L"Baidu"}, {Step::Open, L"b", L"Bilibili"}, {Step::Open, L"b", L"Baidu"}},
     L"b",
     {L"Baidu", L"Bilibili", L"Bing"}},
    {"a query that only begins the learned one is no exact query",
     {{Step::Open, L"tabs", L"Tabs in b"}},
     L"b",
     {L"Bing", L"folder Bing", L"Baidu", L"Bilibili", L"Tabs in b"}},
    {"forgotten", {{Step::Open, L"wx", L"网页版微信"}, {Step::Forget, L"", L"网页版微信"}}, L"wx", {L"微信", L"网页版微信"}},
    {"a renamed favorite loses its learning",
     {{Step::Open, L"wx", L"网页版微信"}, {Step::Rename, L"微信网页版", L"网页版微信"}},
     L"wx",
     {L"微信", L"微信网页版"}},
    {"a deleted favorite's learning goes to no other entry",
     {{Step::Open, L"b", L"Baidu"}, {Step::Delete, L"", L"Baidu"}},
     L"b",
     {L"Bing", L"folder Bing", L"Bilibili"}},
    {"learning survives a restart", {{Step::Open, L"wx", L"网页版微信"}, {Step::Restart}}, L"wx", {L"网页版微信"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, QuickRankingTest, testing::ValuesIn(kCases));

}  // namespace
}  // namespace oravin
