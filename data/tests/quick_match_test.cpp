#include <gtest/gtest.h>

#include <cwchar>
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
      {L"http://ww", {L"百度一下", L"重庆银行", L"中国银行"}},
      {L"http:/", {L"百度一下", L"重庆银行", L"QQ音乐", L"ＧｉｔＨｕｂ 项目", L"中国银行", L"绿色软件", L"下载"}},  // narrows nothing
      {L"d:", {L"绿色软件", L"下载"}},  // a drive is no scheme
      {L"yh zg", {L"中国银行"}},
      {L"  yh　cq ", {L"重庆银行"}},
      {L"bd github", {}},
      {L"", {}},
      {L" 　", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(FoundAnyOrder(c.query), c.found) << testing::PrintToString(c.query);
  // As an address is typed, its entry stays found.
  for (const auto& [typed, title] : {std::pair{L"www.boc.cn", L"中国银行"}, {L"https://www.baidu", L"百度一下"}}) {
    for (size_t n = 1; n <= std::wcslen(typed); ++n) {
      const std::wstring_view query(typed, n);
      EXPECT_TRUE(FoundAnyOrder(query).contains(title)) << testing::PrintToString(std::wstring(query));
    }
  }
}

TEST_F(QuickMatchTest, ASpellingStartsAtPunctuationWhichItTypes) {
  Set({{L"x-百度", L"http://a/"}, {L"(百度)", L"http://b/"}}, {});
  EXPECT_EQ(FoundAnyOrder(L"-bai"), std::set<std::wstring>{L"x-百度"});
  EXPECT_EQ(FoundAnyOrder(L"(bd"), std::set<std::wstring>{L"(百度)"});
  EXPECT_TRUE(FoundAnyOrder(L"xbd").empty());  // the punctuation is typed, not skipped
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
  // A list's entries shown elsewhere are left out until the list is set again.
  index_.Hide(0, {true});
  EXPECT_EQ(index_.Search(L"b", 9), (std::vector<QuickMatch>{{2, 0}}));
  index_.SetList(0, first);
  EXPECT_EQ(index_.Search(L"b", 9), (std::vector<QuickMatch>{{0, 0}, {2, 0}}));
}

// Kept in UTF-16 as Windows keeps it: a character beyond it is two units, typed and found as such.
TEST_F(QuickMatchTest, FindsCharactersBeyondTheBasicPlane) {
  Set({{L"𠀋百度", L"https://a.example/"}, {L"百度", L"https://b.example/"}}, {});
  EXPECT_EQ(Found(L"𠀋b"), Titles{L"𠀋百度"});
  EXPECT_EQ(Found(L"bd"), (Titles{L"百度", L"𠀋百度"}));
}

}  // namespace
}  // namespace oravin
