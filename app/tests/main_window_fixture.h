#pragma once
// The main window in this process, with the tray, the registry and the shell recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "actions/registry_calls.h"
#include "actions/shell.h"
#include "app/file_dialogs.h"
#include "app/main_window.h"
#include "data/entry.h"
#include "data/list_files.h"
#include "testing/text_files.h"
#include "runtime/app.h"
#include "runtime/handles.h"
#include "testing/captured_message_boxes.h"
#include "testing/drag_and_drop.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"
#include "tests/e2e/program_under_test.h"

namespace oravin {

using testing::ReadBytes;
using testing::WriteBytes;

// Scratch folders are ASCII, and so is every text these tests give the registry.
inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Everything the shut-down does, in the order it happens.
inline std::vector<std::string> events;

class RecordingTray : public NotificationArea {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAW& data) override {
    if (message == NIM_SETVERSION) return accept;
    events.push_back(message == NIM_ADD ? "tray add" : message == NIM_DELETE ? "tray delete" : "tray other");
    tip = data.szTip;
    return accept;
  }
  bool accept = true;
  std::wstring tip;
};

class RecordingRegistry : public RegistryCalls {
 public:
  Key CreateKey(RegistryRoot, const std::wstring&) override { return this; }
  bool SetStringValue(Key, const std::wstring& name, const std::wstring& data) override {
    settingsSavedBefore = std::filesystem::exists(std::filesystem::path(binFolder) / "Settings.txt");
    events.push_back("registry set " + Narrow(name) + "=" + Narrow(data));
    return true;
  }
  bool DeleteValue(Key, const std::wstring& name) override {
    events.push_back("registry delete " + Narrow(name));
    return true;
  }
  void CloseKey(Key) override {}
  bool settingsSavedBefore = false;
  std::wstring binFolder;
};

// What the main window asks of the shell: a browser is always found.
class RecordingShell : public Shell {
 public:
  FoundExecutable FindProgramFor(const std::wstring& file, const std::wstring&) override {
    lookups.push_back(file);
    return {42, L"C:\\browser.exe"};
  }
  FoundExecutable FindProgramForType(const std::wstring& extension) override {
    lookups.push_back(extension);
    return {42, L"C:\\browser.exe"};
  }
  void Execute(WindowHandle, const std::wstring&, const std::wstring& file, const std::wstring& parameters,
               const std::wstring&, int) override {
    opened.push_back(parameters.empty() ? file : file + L" " + parameters);
  }
  void StartProcess(const std::wstring& commandLine, int show) override {
    started.push_back(commandLine + L" @" + std::to_wstring(show));
  }
  std::vector<std::wstring> started, lookups, opened;
};

// Answers the folder picker as the user would have; cancels unless told a folder.
class AnsweringFolderPicker : public FolderPicker {
 public:
  std::optional<std::wstring> Pick(HWND, const std::wstring&) override { return answer; }
  std::optional<std::wstring> answer;
};

inline std::wstring Describe(HWND control) {
  wchar_t kind[32] = {};
  GetClassNameW(control, kind, 32);
  const RECT r = testing::RectInParent(control);
  return std::wstring(kind) + L" \"" + testing::WindowText(control) + L"\" at " + std::to_wstring(r.left) + L"," +
         std::to_wstring(r.top);
}

inline int RegionKind(HWND hwnd) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(hwnd, rgn);
  DeleteObject(rgn);
  return kind;
}

class MainWindowInProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    registry.binFolder = dir.wpath(L"Bin");
    std::filesystem::create_directories(dir.path() / "Bin");
    ForgetQuitRequests();
  }
  // A window closed earlier asked the thread to quit, and no timer fires
  // while that request waits.
  static void ForgetQuitRequests() {
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  // A busy machine slows Wine's first windows and timers down a great deal.
  static constexpr int kAnimationTimeoutMs = 30000;
  // Loads the window and waits for the opening animation and the start-up after it.
  static bool Start(MainWindow& window) {
    return window.Load() &&
           testing::PumpUntil([&] { return window.Started() && !window.Animating(); }, kAnimationTimeoutMs);
  }
  bool Start() { return Start(form); }
  // Waits for the animation playing (a page change, the hide or the restore) to end.
  static bool Settled(MainWindow& window) {
    return testing::PumpUntil([&] { return !window.Animating(); }, kAnimationTimeoutMs);
  }
  bool Settled() { return Settled(form); }
  void Settings(const std::string& fields) { WriteBytes(dir.path() / "Bin" / "Settings.txt", fields + "\r\n"); }
  std::wstring Title() const { return testing::WindowText(testing::ControlAt(form.hwnd(), 60, 20)); }
  LONG ExStyle() const { return GetWindowLongW(form.hwnd(), GWL_EXSTYLE); }
  // Drags the data to the middle of the page area once the window takes drops.
  testing::DragResult Drag(const testing::DragData& data) {
    EXPECT_TRUE(testing::PumpUntil([&] { return form.TakesDrops(); }));
    POINT at{16 + 80, 48 + 113};
    ClientToScreen(form.hwnd(), &at);
    return testing::DragOnto(at, data);
  }
  // Every entry's whole text of the current list, each title on the page checked against its own.
  std::vector<std::wstring> Entries() {
    const std::optional<ListKind> list = form.Store().CurrentList();
    if (!list) return {};
    const std::vector<std::wstring>& entries = form.Store().Entries(*list);
    EXPECT_EQ(size_t(form.TitleList().ItemCount()), entries.size());
    for (int32_t i = 0; i < form.TitleList().ItemCount() && size_t(i) < entries.size(); ++i)
      EXPECT_EQ(form.TitleList().ItemText(i), TitleOf(entries[size_t(i)])) << i;
    return entries;
  }

  testing::ScratchDir dir;
  testing::CapturedMessageBoxes boxes;
  RecordingTray tray;
  RecordingRegistry registry;
  RecordingShell shell;
  ProgramLocation program{dir.wpath(), L"fav"};
  AnsweringFolderPicker folderPicker;
  const SystemServices system{program, shell, registry, tray, folderPicker, boxes};
  MainWindow form{system};
};

}  // namespace oravin
