#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/tray_icon.h"
#include "actions/tray_shell.h"
#include "runtime/handles.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

constexpr UINT kCallback = WM_APP + 3;

struct ShellCall {
  DWORD message;
  NOTIFYICONDATAW data;
};

// Sees every record handed to the shell; accepts them unless told otherwise.
class CapturedNotificationArea : public NotificationArea {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    calls.push_back({message, data});
    return message == NIM_SETVERSION ? speaksVersion4 : accept;
  }
  std::vector<ShellCall> calls;
  bool accept = true;
  bool speaksVersion4 = true;
};

HWND const kWindow = reinterpret_cast<HWND>(0x1234);
HICON const kIcon = reinterpret_cast<HICON>(0x5678);

class Tray : public ::testing::Test {
 protected:
  CapturedNotificationArea area;
  TrayIcon icon{area, kWindow, kCallback};
};

TEST_F(Tray, TheAddFillsTheUnicodeRecordAndAsksForTheFourthVersion) {
  EXPECT_TRUE(icon.Add(kIcon, L"Oravin 网址"));
  ASSERT_EQ(area.calls.size(), 2u);
  const NOTIFYICONDATAW& d = area.calls[0].data;
  EXPECT_EQ(area.calls[0].message, DWORD(NIM_ADD));
  EXPECT_EQ(d.cbSize, sizeof(NOTIFYICONDATAW));
  EXPECT_EQ(d.hWnd, kWindow);
  EXPECT_EQ(d.uID, kTrayIconId);
  EXPECT_EQ(d.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP));
  EXPECT_EQ(d.uCallbackMessage, kCallback);
  EXPECT_EQ(d.hIcon, kIcon);
  EXPECT_EQ(std::wstring(d.szTip), L"Oravin 网址");
  EXPECT_EQ(area.calls[1].message, DWORD(NIM_SETVERSION));
  EXPECT_EQ(area.calls[1].data.uVersion, UINT(NOTIFYICON_VERSION_4));
}

TEST_F(Tray, AShellThatRefusesTheIconIsReported) {
  area.accept = false;
  EXPECT_FALSE(icon.Add(kIcon, L"Oravin"));
  EXPECT_FALSE(icon.Shown());
}

TEST_F(Tray, ALongTipKeeps127UnitsAndNeverSplitsASurrogatePair) {
  icon.Add(kIcon, std::wstring(130, L'x'));
  EXPECT_EQ(std::wstring(icon.Data().szTip), std::wstring(127, L'x'));
  const std::wstring pairAtTheCut = std::wstring(126, L'x') + L"😀";
  icon.SetTip(pairAtTheCut);
  EXPECT_EQ(std::wstring(icon.Data().szTip), std::wstring(126, L'x'));
  EXPECT_EQ(area.calls.back().message, DWORD(NIM_MODIFY));
}

// Either version puts the event in the low word of lParam; the fourth adds
// the icon's identifier in the high word and follows a right click with WM_CONTEXTMENU.
TEST_F(Tray, OnlyALeftReleaseTheKeyboardOrTheContextMenuAskForSomething) {
  struct Case {
    bool version4;
    UINT event;
    TrayRequest request;
  };
  const Case cases[] = {
      {true, WM_LBUTTONUP, TrayRequest::ShowWindow},   {true, NIN_KEYSELECT, TrayRequest::ShowWindow},
      {true, WM_CONTEXTMENU, TrayRequest::ShowMenu},   {true, WM_RBUTTONUP, TrayRequest::None},
      {true, WM_MOUSEMOVE, TrayRequest::None},         {true, NIN_SELECT, TrayRequest::None},
      {true, WM_LBUTTONDBLCLK, TrayRequest::None},     {false, WM_LBUTTONUP, TrayRequest::ShowWindow},
      {false, WM_RBUTTONUP, TrayRequest::ShowMenu},    {false, WM_CONTEXTMENU, TrayRequest::None},
      {false, WM_MOUSEMOVE, TrayRequest::None},        {false, WM_LBUTTONDOWN, TrayRequest::None},
  };
  for (const Case& c : cases) {
    CapturedNotificationArea shell;
    shell.speaksVersion4 = c.version4;
    TrayIcon tray(shell, kWindow, kCallback);
    tray.Add(kIcon, L"Oravin");
    const LPARAM lp = c.version4 ? MAKELPARAM(c.event, kTrayIconId) : LPARAM(c.event);
    EXPECT_EQ(tray.RequestOf(lp), c.request) << c.version4 << " " << c.event;
  }
}

TEST_F(Tray, TheIconGoesWithItsOwnerAndNothingIsRemovedThatWasNotAdded) {
  {
    TrayIcon never(area, kWindow, kCallback);
  }
  EXPECT_TRUE(area.calls.empty());
  {
    TrayIcon owned(area, kWindow, kCallback);
    owned.Add(kIcon, L"Oravin");
  }
  ASSERT_EQ(area.calls.size(), 3u);
  EXPECT_EQ(area.calls[2].message, DWORD(NIM_DELETE));
  EXPECT_EQ(area.calls[2].data.hWnd, kWindow);
  EXPECT_EQ(area.calls[2].data.uID, kTrayIconId);
}

TEST_F(Tray, TheRestoreAddsTheSameRecordAgainAfterTheTaskbarCameBack) {
  area.accept = false;  // no notification area at start-up
  EXPECT_FALSE(icon.Add(kIcon, L"Oravin"));
  area.accept = true;
  EXPECT_TRUE(icon.Restore());
  EXPECT_TRUE(icon.Shown());
  ASSERT_EQ(area.calls.size(), 3u);
  EXPECT_EQ(area.calls[1].message, DWORD(NIM_ADD));
  EXPECT_EQ(std::wstring(area.calls[1].data.szTip), L"Oravin");
  icon.Remove();
  EXPECT_FALSE(icon.Restore());
  EXPECT_EQ(area.calls.back().message, DWORD(NIM_DELETE));
}

TEST_F(Tray, TheRestoreListensForTheShellsTaskbarCreatedBroadcast) {
  EXPECT_EQ(TaskbarCreatedMessage(), RegisterWindowMessageW(L"TaskbarCreated"));
  EXPECT_GE(TaskbarCreatedMessage(), 0xC000u);
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
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = window_.get();
    probe.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
  }
  UniqueWindow window_;
};

TEST_F(RealTray, TheIconIsAddedAndRemoved) {
  {
    TrayIcon icon(SystemNotificationArea(), window_.get(), kCallback);
    ASSERT_TRUE(icon.Add(LoadIconW(nullptr, IDI_APPLICATION), L"Oravin 测试"));
    EXPECT_TRUE(Known());
  }
  EXPECT_FALSE(Known());
}

}  // namespace
}  // namespace oravin
