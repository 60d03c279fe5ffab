#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "actions/mdlTray.h"
#include "actions/tray_shell.h"
#include "runtime/ansi_codec.h"
#include "runtime/handles.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

constexpr UINT kCallback = WM_MOUSEMOVE;

struct ShellCall {
  DWORD message;
  TrayIconData data;
};

// Sees every record handed to the shell; accepts them unless told otherwise.
class CapturedTrayShell : public TrayShell {
 public:
  CapturedTrayShell() : guard_(*this) {}
  bool NotifyIcon(DWORD message, const TrayIconData& data) override {
    calls.push_back({message, data});
    return accept;
  }
  std::vector<ShellCall> calls;
  bool accept = true;

 private:
  ScopedTrayShell guard_;
};

std::string Tip(const TrayIconData& data) { return std::string(data.szTip, sizeof data.szTip); }

// The tip as it should lie in the field: the text, blanks, the terminator.
std::string Field(const std::string& text) {
  std::string field = text + std::string(63 - text.size(), ' ');
  return field + '\0';
}

HWND const kWindow = reinterpret_cast<HWND>(0x1234);
HICON const kIcon = reinterpret_cast<HICON>(0x5678);

TEST(TrayRecord, HasTheLayoutOfTheFirstNotifyIconRecord) {
  EXPECT_EQ(sizeof(TrayIconData), sizeof(void*) == 4 ? 88u : 104u);
  EXPECT_EQ(sizeof(TrayIconData::szTip), 64u);
}

TEST(TrayIconAdd, FillsEveryFieldAndAddsTheIcon) {
  CapturedTrayShell shell;
  TrayIcon icon;
  EXPECT_TRUE(icon.Add(kWindow, kIcon, L"Oravin", kCallback));
  ASSERT_EQ(shell.calls.size(), 1u);
  const TrayIconData& d = shell.calls[0].data;
  EXPECT_EQ(shell.calls[0].message, DWORD(NIM_ADD));
  EXPECT_EQ(d.cbSize, sizeof(TrayIconData));
  EXPECT_EQ(d.hWnd, kWindow);
  EXPECT_EQ(d.uID, 1u);
  EXPECT_EQ(d.uFlags, 7u);
  EXPECT_EQ(d.uCallbackMessage, 512u);
  EXPECT_EQ(d.hIcon, kIcon);
  EXPECT_EQ(Tip(d), Field("Oravin"));
}

TEST(TrayIconAdd, ReportsAShellThatRefusedTheIcon) {
  CapturedTrayShell shell;
  shell.accept = false;
  TrayIcon icon;
  EXPECT_FALSE(icon.Add(kWindow, kIcon, L"Oravin", kCallback));
}

TEST(TrayIconTip, ALongTipIsCutToTheField) {
  CapturedTrayShell shell;
  TrayIcon icon;
  icon.Add(kWindow, kIcon, std::wstring(70, L'x'), kCallback);
  EXPECT_EQ(Tip(icon.Data()), std::string(63, 'x') + '\0');
}

TEST(TrayIconTip, ChineseTipsAreInTheAnsiCodePageAndNeverCutThroughACharacter) {
  CapturedTrayShell shell;
  TrayIcon icon;
  icon.Add(kWindow, kIcon, L"网址助手", kCallback);
  EXPECT_EQ(Tip(icon.Data()), Field(SystemCodec().Encode(L"网址助手")));
  // "a" then 40 double-byte characters: 31 of them fill 63 bytes exactly...
  const std::wstring chinese(40, L'网');
  icon.Add(kWindow, kIcon, L"a" + chinese, kCallback);
  EXPECT_EQ(Tip(icon.Data()), SystemCodec().Encode(L"a" + chinese.substr(0, 31)) + '\0');
  // ...and without the "a" the 32nd would need bytes 63 and 64: a blank instead.
  icon.Add(kWindow, kIcon, chinese, kCallback);
  EXPECT_EQ(Tip(icon.Data()), Field(SystemCodec().Encode(chinese.substr(0, 31))));
}

TEST(TrayIconRemove, ReusesTheRecordOfTheLastAdd) {
  CapturedTrayShell shell;
  TrayIcon icon;
  icon.Add(kWindow, kIcon, L"Oravin", kCallback);
  icon.Remove();
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[1].message, DWORD(NIM_DELETE));
  EXPECT_EQ(shell.calls[1].data.hWnd, kWindow);
  EXPECT_EQ(shell.calls[1].data.uID, 1u);
  EXPECT_EQ(Tip(shell.calls[1].data), Field("Oravin"));
}

TEST(TrayIconRemove, WithoutAnAddPassesARecordOfZeros) {
  CapturedTrayShell shell;
  TrayIcon icon;
  icon.Remove();
  ASSERT_EQ(shell.calls.size(), 1u);
  const TrayIconData zeros{};
  EXPECT_EQ(std::memcmp(&shell.calls[0].data, &zeros, sizeof zeros), 0);
}

TEST(TrayIconRestore, AddsTheSameRecordAgainAfterTheTaskbarCameBack) {
  CapturedTrayShell shell;
  TrayIcon icon;
  shell.accept = false;  // no notification area at start-up
  EXPECT_FALSE(icon.Add(kWindow, kIcon, L"Oravin", kCallback));
  shell.accept = true;
  EXPECT_TRUE(icon.Restore());
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[1].message, DWORD(NIM_ADD));
  EXPECT_EQ(std::memcmp(&shell.calls[1].data, &shell.calls[0].data, sizeof(TrayIconData)), 0);
}

TEST(TrayIconRestore, DoesNothingWithoutAnAddOrAfterTheRemoval) {
  CapturedTrayShell shell;
  TrayIcon icon;
  EXPECT_FALSE(icon.Restore());
  icon.Add(kWindow, kIcon, L"Oravin", kCallback);
  icon.Remove();
  EXPECT_FALSE(icon.Restore());
  EXPECT_EQ(shell.calls.size(), 2u);
}

TEST(TrayIconRestore, ListensForTheShellsTaskbarCreatedBroadcast) {
  EXPECT_EQ(TaskbarCreatedMessage(), RegisterWindowMessageW(L"TaskbarCreated"));
  EXPECT_GE(TaskbarCreatedMessage(), 0xC000u);
}

TEST(ProgramTrayIcon, OneRecordServesTheAddTheRestoreAndTheRemoval) {
  CapturedTrayShell shell;
  EXPECT_TRUE(AddTrayIcon(kWindow, kIcon, L"Oravin", kCallback));
  EXPECT_EQ(ProgramTrayIconData().hWnd, kWindow);
  EXPECT_TRUE(RestoreTrayIcon());
  RemoveTrayIcon();
  ASSERT_EQ(shell.calls.size(), 3u);
  EXPECT_EQ(shell.calls[2].message, DWORD(NIM_DELETE));
  EXPECT_EQ(shell.calls[2].data.hWnd, kWindow);
}

// The real notification area of the test system.
class RealTray : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.reset(CreateWindowExW(0, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(window_);
  }
  // Whether the shell knows an icon of ours: only a known icon can be modified.
  bool Known() {
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = window_.get();
    probe.uID = kTrayIconId;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
  }
  UniqueWindow window_;
};

TEST_F(RealTray, TheIconIsAddedAndRemoved) {
  TrayIcon icon;
  ASSERT_TRUE(icon.Add(window_.get(), LoadIconW(nullptr, IDI_APPLICATION), L"Oravin 测试", kCallback));
  EXPECT_TRUE(Known());
  icon.Remove();
  EXPECT_FALSE(Known());
}

}  // namespace
}  // namespace oravin
