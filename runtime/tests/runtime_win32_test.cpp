#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "runtime/ansi_codec.h"
#include "runtime/app.h"
#include "runtime/app_win32.h"
#include "runtime/message_box.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

TEST(SystemCodePage, IsTheChineseOneUnderTheTestRig) { EXPECT_EQ(GetACP(), 936u); }

TEST(SystemCodePage, RoundTripsEverythingItHoldsByteForByte) {
  const std::wstring text = L"网址助手 <Address>http://www.example.com/搜索?q=a+b&x=%22<Split>";
  bool lossy = true;
  const std::string bytes = SystemCodec().Encode(text, &lossy);
  EXPECT_FALSE(lossy);
  EXPECT_EQ(bytes.size(), text.size() + 6);  // six Chinese characters take two bytes each
  EXPECT_EQ(SystemCodec().Decode(bytes), text);
  EXPECT_EQ(bytes.substr(0, 2), "\xCD\xF8");  // 网 in GBK
}

TEST(SystemCodePage, ReportsTextItCannotHold) {
  bool lossy = false;
  SystemCodec().Encode(L"caf\u00e9 \u0915", &lossy);  // Devanagari is not in GBK
  EXPECT_TRUE(lossy);
  EXPECT_TRUE(SystemCodec().Holds(L"文件夹助手"));
  EXPECT_FALSE(SystemCodec().Holds(L"\U0001F600"));
  EXPECT_FALSE(SystemCodec().Holds(L"\u20AC\u00FF\u0101"));
}

TEST(Application, KnowsWhereTheTestProgramLives) {
  const ProgramLocation program = ThisProgram();
  wchar_t module[MAX_PATH];
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  EXPECT_EQ(program.folder + L"\\" + program.exeName + L".exe", std::wstring(module));
  EXPECT_EQ(program.exeName, L"runtime_win32_test");
}

// The real box: shown, found by its title, its text read, closed.
TEST(MessageBoxes, TheRealBoxShowsItsTextUnderItsTitle) {
  const std::wstring title = L"抱歉";
  std::wstring seenText;
  std::thread answerer([&] {
    // The box's window comes first and its controls a moment later: wait for the text.
    HWND box = nullptr;
    for (int i = 0; i < 500 && seenText.empty(); ++i) {
      box = FindWindowW(L"#32770", title.c_str());
      for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        if (std::wstring(text).find(L"未知错误") != std::wstring::npos) seenText = text;
      }
      if (seenText.empty()) Sleep(10);
    }
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  SystemMessageBoxes().Show({L"未知错误. 文件无法保存", title, MsgIcon::Critical});
  answerer.join();
  EXPECT_EQ(seenText, L"未知错误. 文件无法保存");
}

}  // namespace
}  // namespace oravin
