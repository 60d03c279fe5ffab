#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "data/quick_match.h"

namespace oravin {
namespace {

using Titles = std::vector<std::wstring>;

constexpr size_t kWebsites = 0, kFolders = 1;

class QuickMatchTest : public testing::Test {
 protected:
  void Set(std::vector<Favorite> websites, std::vector<Favorite> folders) {
    websites_ = std::move(websites);
    folders_ = std::move(folders);
    index_.SetList(kWebsites, websites_);
    index_.SetList(kFolders, folders_);
  }
  Titles Found(std::wstring_view query, size_t limit = 100) const {
    Titles titles;
    for (const QuickMatch& match : index_.Search(query, limit)) {
      titles.push_back((match.list == kWebsites ? websites_ : folders_).at(match.index).title);
    }
    return titles;
  }

  std::set<std::wstring> FoundAnyOrder(std::wstring_view query) const {
    const Titles found = Found(query);
    return {found.begin(), found.end()};
  }

  std::vector<Favorite> websites_, folders_;
  QuickIndex index_;
};

TEST_F(QuickMatchTest, FindsByTitleAddressOrPinyin) {
  Set({{L"百度一下", L"https://www.baidu.com/"},
       {L"重庆银行", L"https://www.cqcbank.com/"},
       {L"QQ音乐", L"https://y.qq.com/"},
       {L"ＧｉｔＨｕｂ 项目", L"https://github.com/"},
       {L"中国银行", L"http://WWW.boc.cn/"}},
      {{L"绿色软件", L"D:\\Green"}, {L"下载", L"D:\\Downloads"}});
  const struct {
    const wchar_t* query;
    std::set<std::wstring> found;
  } cases[] = {
      {L"bd", {L"百度一下"}},
      {L"baidu", {L"百度一下"}},
      {L"bdyx", {L"百度一下"}},
      {L"baiduyixia", {L"百度一下"}},
      {L"duyi", {L"百度一下"}},
      {L"baiduyixi", {L"百度一下"}},  // as it is typed: the last syllable is not whole yet
      {L"ＢＤ", {L"百度一下"}},
      {L"百du", {L"百度一下"}},
      {L"bdx", {}},  // 一 cannot be left out
      {L"cq", {L"重庆银行"}},
      {L"zq", {L"重庆银行"}},
      {L"zhq", {L"重庆银行"}},
      {L"chongqing", {L"重庆银行"}},
      {L"yh", {L"重庆银行", L"中国银行"}},
      {L"yx", {L"百度一下", L"重庆银行", L"中国银行"}},
      {L"lvs", {L"绿色软件"}},
      {L"qqyy", {L"QQ音乐"}},
      {L"qq音乐", {L"QQ音乐"}},
      {L"qyy", {}},  // a spelling does not start inside a Latin word
      {L"github", {L"ＧｉｔＨｕｂ 项目"}},
      {L"ＧＩＴ", {L"ＧｉｔＨｕｂ 项目"}},
      {L"hub", {L"ＧｉｔＨｕｂ 项目"}},
      {L"xm", {L"ＧｉｔＨｕｂ 项目"}},
      {L"githubxm", {}},  // the blank is not skipped
      {L"cqcbank", {L"重庆银行"}},
      {L"boc", {L"中国银行"}},
      {L"downloads", {L"下载"}},
      {L"www.baidu", {L"百度一下"}},
      {L"https", {L"百度一下", L"重庆银行", L"QQ音乐", L"ＧｉｔＨｕｂ 项目"}},  // the addresses that begin so
      {L"www", {L"百度一下", L"重庆银行", L"中国银行"}},
      {L"yh zg", {L"中国银行"}},
      {L"  yh　cq ", {L"重庆银行"}},
      {L"bd github", {}},
      {L"", {}},
      {L" 　", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(FoundAnyOrder(c.query), c.found) << testing::PrintToString(c.query);
}

TEST_F(QuickMatchTest, ASpellingStartsAtPunctuationWhichItTypes) {
  Set({{L"x-百度", L"http://a/"}, {L"(百度)", L"http://b/"}, {L"百度", L"http://c/"}}, {});
  const struct {
    const wchar_t* query;
    std::set<std::wstring> found;
  } cases[] = {
      {L"-bai", {L"x-百度"}}, {L"x-bd", {L"x-百度"}}, {L"xbd", {}},  // the punctuation is typed, not skipped
      {L"(bd", {L"(百度)"}},  {L"bd)", {L"(百度)"}},  {L"bd", {L"x-百度", L"(百度)", L"百度"}},
  };
  for (const auto& c : cases) EXPECT_EQ(FoundAnyOrder(c.query), c.found) << testing::PrintToString(c.query);
}

TEST_F(QuickMatchTest, AnAddressBeingTypedKeepsItsEntryFound) {
  Set({{L"百度", L"http://www.baidu.com/"}, {L"QQ", L"https://y.qq.com/"}, {L"新浪", L"www.sina.com.cn"}},
      {{L"下载", L"D:\\Downloads"}});
  const struct {
    std::wstring_view typed;
    const wchar_t* title;
  } addresses[] = {{L"www.baidu", L"百度"},  {L"http://www.baidu.com", L"百度"}, {L"https://y.qq", L"QQ"},
                   {L"www.sina", L"新浪"},   {L"d:\\down", L"下载"}};
  for (const auto& a : addresses) {
    for (size_t n = 1; n <= a.typed.size(); ++n) {
      const Titles found = Found(a.typed.substr(0, n));
      EXPECT_NE(std::find(found.begin(), found.end(), a.title), found.end()) << testing::PrintToString(a.typed.substr(0, n));
    }
  }
  const struct {
    const wchar_t* query;
    std::set<std::wstring> found;
  } cases[] = {
      {L"www.", {L"百度", L"QQ", L"新浪", L"下载"}},  // nothing but them: narrows nothing
      {L"http:/", {L"百度", L"QQ", L"新浪", L"下载"}},
      {L"ww", {L"百度", L"新浪"}},
      {L"htt", {L"百度", L"QQ"}},
      {L"http://ww", {L"百度", L"新浪"}},
      {L"https://www.b", {L"百度"}},  // the word's scheme is left out too
      {L"d:", {L"下载"}},              // a drive is no scheme
  };
  for (const auto& c : cases) EXPECT_EQ(FoundAnyOrder(c.query), c.found) << testing::PrintToString(c.query);
}

TEST_F(QuickMatchTest, BeginningThenWordStartThenInsideThenAddressShorterFirst) {
  Set({{L"QQ音乐", L"https://y.qq.com/"},
       {L"音乐 Music 频道", L"https://m.example.com/"},
       {L"Tommyy", L"https://t.example.com/"},
       {L"音乐台", L"https://radio.example.com/"},
       {L"Music", L"https://yy.example.com/"},
       {L"QQ音乐 Music", L"https://y.qq.com/mv"}},
      {{L"我的音乐", L"D:\\Mine"}, {L"音乐", L"D:\\Music"}, {L"他的音乐", L"D:\\His"}});
  EXPECT_EQ(Found(L"yy"),
            (Titles{L"音乐", L"音乐台", L"音乐 Music 频道", L"QQ音乐", L"我的音乐", L"他的音乐", L"QQ音乐 Music", L"Tommyy",
                    L"Music"}));
  EXPECT_EQ(Found(L"yy", 3), (Titles{L"音乐", L"音乐台", L"音乐 Music 频道"}));
  // Only the first word has to begin the title; one found in the address only places the entry there.
  EXPECT_EQ(Found(L"yy music"), (Titles{L"音乐 Music 频道", L"QQ音乐 Music", L"音乐", L"Music"}));
}

TEST_F(QuickMatchTest, TakesAnyNumberOfListsAndRanksThemInTheirOrder) {
  const std::vector<Favorite> third{{L"百度", L"https://www.baidu.com/"}};
  const std::vector<Favorite> first{{L"百科", L"https://baike.example/"}};
  index_.SetList(2, third);
  index_.SetList(0, first);
  EXPECT_EQ(index_.Search(L"b", 9), (std::vector<QuickMatch>{{0, 0}, {2, 0}}));
}

}  // namespace
}  // namespace oravin
