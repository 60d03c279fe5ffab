#include <gtest/gtest.h>

#include "data/quick_ranking.h"

namespace oravin {
namespace {

using Titles = std::vector<std::wstring>;

const std::vector<Favorite> kWebsites = {
    {L"Bing", L"bing.com"},  {L"Baidu", L"baidu.com"},         {L"Bilibili", L"bilibili.com"},
    {L"微信", L"wx.qq.com"}, {L"网页版微信", L"web.wechat.com"}, {L"Tabs in b", L"tabs.example"}};
const std::vector<Favorite> kFolders = {{L"Bing", L"D:\\Bing"}};

struct Step {
  enum { Open, Forget, Rename, Delete, Restart } what;
  std::wstring title;  // of the website
  std::wstring text;   // Open: the query typed before; Rename: the new title
};

struct Case {
  const char* behaviour;
  std::vector<Step> steps;
  std::wstring query;
  Titles first;  // the first results, best first
};

class QuickRankingTest : public testing::TestWithParam<Case> {
 protected:
  QuickMatch Website(const std::wstring& title) const {
    const auto found = std::find_if(websites_.begin(), websites_.end(), [&](const Favorite& f) { return f.title == title; });
    return {0, size_t(found - websites_.begin())};
  }
  void Run(const Step& step) {
    const QuickMatch match = Website(step.title);
    switch (step.what) {
      case Step::Open: return ranking_.Opened(step.text, match);
      case Step::Forget: return ranking_.Forget(match);
      case Step::Restart: return ranking_.SetLearning(QuickLearning::FromFile(ranking_.Learning().FileText()));
      case Step::Rename: websites_[match.index].title = step.text; break;
      case Step::Delete: websites_.erase(websites_.begin() + ptrdiff_t(match.index)); break;
    }
    ranking_.SetList(0, L"Websites", websites_);
  }

  std::vector<Favorite> websites_ = kWebsites;
  QuickRanking ranking_;
};

TEST_P(QuickRankingTest, Ranks) {
  ranking_.SetList(0, L"Websites", websites_);
  ranking_.SetList(1, L"FolderList", kFolders);
  for (const Step& step : GetParam().steps) Run(step);
  Titles first;
  for (const QuickMatch& m : ranking_.Search(GetParam().query, GetParam().first.size())) {
    first.push_back(m.list == 0 ? websites_[m.index].title : L"folder " + kFolders[m.index].title);
  }
  EXPECT_EQ(first, GetParam().first) << GetParam().behaviour;
}

const Case kCases[] = {
    {"without learning, the matcher's order", {}, L"b", {L"Bing", L"folder Bing", L"Baidu", L"Bilibili"}},
    {"opened more often, first within the place",
     {{Step::Open, L"Bilibili", L"bili"}, {Step::Open, L"Bilibili", L"bili"}}, L"b", {L"Bilibili", L"Bing"}},
    {"the exact query brings its favorite first from another place",
     {{Step::Open, L"网页版微信", L"wx"}}, L"wx", {L"网页版微信", L"微信"}},
    {"the same query with other blanks and capitals", {{Step::Open, L"网页版微信", L" WX "}}, L"wx", {L"网页版微信"}},
    {"a far better match stays above one learned with another query",
     {{Step::Open, L"网页版微信", L"weixin"}, {Step::Open, L"网页版微信", L"weixin"}}, L"wx", {L"微信", L"网页版微信"}},
    {"the most opened of two with the same query first",
     {{Step::Open, L"Baidu", L"b"}, {Step::Open, L"Bilibili", L"b"}, {Step::Open, L"Baidu", L"b"}},
     L"b", {L"Baidu", L"Bilibili", L"Bing"}},
    {"learning lifts a match only within its place",
     {{Step::Open, L"Tabs in b", L"tabs"}}, L"b", {L"Bing", L"folder Bing", L"Baidu", L"Bilibili", L"Tabs in b"}},
    {"forgotten", {{Step::Open, L"网页版微信", L"wx"}, {Step::Forget, L"网页版微信"}}, L"wx", {L"微信", L"网页版微信"}},
    {"a renamed favorite loses its learning",
     {{Step::Open, L"网页版微信", L"wx"}, {Step::Rename, L"网页版微信", L"微信网页版"}}, L"wx", {L"微信", L"微信网页版"}},
    {"a deleted favorite's learning goes to no other entry",
     {{Step::Open, L"Baidu", L"b"}, {Step::Delete, L"Baidu"}}, L"b", {L"Bing", L"folder Bing", L"Bilibili"}},
    {"learning survives a restart", {{Step::Open, L"网页版微信", L"wx"}, {Step::Restart}}, L"wx", {L"网页版微信"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, QuickRankingTest, testing::ValuesIn(kCases));

}  // namespace
}  // namespace oravin
