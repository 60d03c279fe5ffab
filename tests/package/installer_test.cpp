// The installer a user runs, from install to uninstall, with the program it
// installs. This is the 64-bit build of the shipped installer's script: the
// machines the tests run on cannot run 32-bit code.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "data/list_kinds.h"
#include "runtime/handles.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"
#include "tests/e2e/main_window_points.h"
#include "tests/e2e/program_under_test.h"

namespace oravin::testing {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Oravin";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"oravin";
constexpr int kInstallerTimeoutMs = 60000;

const std::string kFirstRunSettings = "1<Split>0<Split>0<Split>1<Split>100<Split>0\r\n";
const std::string kFirstRunWithNewWindows = "1<Split>0<Split>1<Split>1<Split>100<Split>0\r\n";
const std::string kUserSettings = "0<Split>1<Split>1<Split>1<Split>50<Split>1\r\n";
const std::string kNewsEntry = "\xD0\xC2\xCE\xC5 <Address>http://news.example.com/<Split>";
const std::string kUserList = "Baidu <Address>http://www.baidu.com/<Split>" + kNewsEntry + "\r\n";
const std::string kUserFolders = "Docs <Address>C:\\docs<Split>\r\n";
const std::string kEmptyList = "\r\n";

// The user's own entries in a list: the program, started on the web
// addresses, deletes the first of them.
std::string UserList(ListKind list) { return list == ListKind::Websites ? kUserList : kUserFolders; }

fs::path KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  SHGetKnownFolderPath(id, 0, nullptr, &path);
  fs::path result = path ? fs::path(path) : fs::path();
  CoTaskMemFree(path);
  return result;
}

std::wstring Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? fs::path(value).wstring() : std::wstring();
}

// Runs a command line to its end; its exit code.
DWORD RunToEnd(std::wstring commandLine) {
  STARTUPINFOW si{.cb = sizeof(STARTUPINFOW)};
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return DWORD(-1);
  }
  CloseHandle(pi.hThread);
  UniqueKernelHandle process(pi.hProcess);
  WaitForSingleObject(process.get(), kInstallerTimeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process.get(), &code);
  return code;
}

std::optional<std::wstring> RegText(HKEY root, const wchar_t* key, const wchar_t* name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return std::nullopt;
  return std::wstring(data);
}

std::optional<DWORD> RegNumber(HKEY root, const wchar_t* key, const wchar_t* name) {
  DWORD data = 0, size = sizeof data;
  if (RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &data, &size) != ERROR_SUCCESS) return std::nullopt;
  return data;
}

bool KeyExists(HKEY root, const wchar_t* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// What a shortcut starts.
std::wstring ShortcutTarget(const fs::path& link) {
  std::wstring target;
  IShellLinkW* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shellLink)))) return target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shellLink->QueryInterface(IID_PPV_ARGS(&file)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) && SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
      target = path;
    file->Release();
  }
  shellLink->Release();
  return target;
}

// Start-up has run to the page of the saved mode.
bool ShowsPage(HWND main, const std::wstring& title) {
  return main && PumpUntil([&] { return WindowText(ControlAt(main, kTitle.x, kTitle.y)) == title; }, 30000);
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    Clean();
  }
  void TearDown() override {
    Clean();
    CoUninitialize();
  }
  // What an earlier, failed run may have left in the prefix.
  void Clean() {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    fs::remove(shortcut, ignored);
    RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RegDeleteKeyValueW(root, kRunKey, kRunValue);
  }
  DWORD Install() { return RunToEnd(L"\"" + Env("ORAVIN_SETUP") + L"\" /S"); }
  // The uninstaller runs on from a copy of itself in the temporary folder, and
  // removes the uninstall key last.
  bool Uninstall() {
    if (RunToEnd(L"\"" + (dir / L"uninstall.exe").wstring() + L"\" /S") != 0) return false;
    return PumpUntil([] { return !KeyExists(HKEY_CURRENT_USER, kUninstallKey); }, kInstallerTimeoutMs);
  }
  fs::path Bin(const wchar_t* name) const { return dir / L"Bin" / name; }

  const fs::path dir = KnownFolder(FOLDERID_LocalAppData) / L"Programs" / L"Oravin";
  const fs::path exe = dir / L"oravin.exe";
  const fs::path shortcut = KnownFolder(FOLDERID_Programs) / L"Oravin.lnk";
};

TEST_F(Installer, InstallsForTheUserUpgradesKeepingTheListsAndUninstallsLeavingOnlyThem) {
  const std::wstring version = Env("ORAVIN_VERSION");

  // A silent install puts the program, its first-run options and the note in place.
  ASSERT_EQ(Install(), 0u);
  ASSERT_TRUE(fs::exists(exe));
  EXPECT_TRUE(fs::exists(dir / L"说明.txt"));
  EXPECT_TRUE(fs::exists(dir / L"uninstall.exe"));
  EXPECT_EQ(ReadBytes(Bin(L"Settings.txt")), kFirstRunSettings);
  for (const ListKindRow& list : kListKindRows) EXPECT_EQ(ReadBytes(Bin(list.fileName)), kEmptyList);
  EXPECT_TRUE(SameFile(ShortcutTarget(shortcut), exe));
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayName"), L"Oravin");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayVersion"), version);
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, L"Publisher"), L"Oravin");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, L"DisplayIcon"), exe.wstring() + L",0");
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kUninstallKey, L"QuietUninstallString"),
            L"\"" + (dir / L"uninstall.exe").wstring() + L"\" /S");
  EXPECT_GE(RegNumber(HKEY_CURRENT_USER, kUninstallKey, L"EstimatedSize").value_or(0), fs::file_size(exe) / 1024);

  // The installed program starts without a message, shows every list empty
  // without one either, and saves its options in its own Bin.
  {
    ProgramUnderTest program(dir);
    ASSERT_TRUE(program.Start());
    HWND main = program.WaitForMainWindow();
    ASSERT_TRUE(main);
    // The page's title comes after the options are read, where a missing file would have stopped it.
    EXPECT_TRUE(WaitForTitle(main, L"搜索助手"));
    EXPECT_EQ(FindWindowW(L"#32770", L"Error"), nullptr);
    EXPECT_EQ(WindowText(main), L"Oravin " + version);
    for (const ListKindRow& list : kListKindRows) {
      EXPECT_TRUE(ChooseFromMainMenu(main, MenuPoint(MenuEntryOf(AssistantOf(list.kind))), list.title))
          << std::wstring(list.fileName) << ": " << AnswerMessageBox(program.ProcessId(), L"Error", 0);
    }
    EXPECT_TRUE(ChooseFromMainMenu(main, kMenuSearch, L"搜索助手"));
    SendMessageW(ControlAt(main, kChkOpen.x, kChkOpen.y), BM_CLICK, 0, 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit());
  }
  EXPECT_EQ(ReadBytes(Bin(L"Settings.txt")), kFirstRunWithNewWindows);
  EXPECT_EQ(ReadBytes(Bin(L"Websites.txt")), kEmptyList);
  // Start with Windows is on at first: the close registered the installed program.
  EXPECT_TRUE(SameFile(RegText(HKEY_LOCAL_MACHINE, kRunKey, kRunValue).value_or(L""), exe));

  // An upgrade keeps the user's lists and options byte for byte.
  for (const ListKindRow& list : kListKindRows) WriteBytes(Bin(list.fileName), UserList(list.kind));
  WriteBytes(Bin(L"Settings.txt"), kUserSettings);
  ASSERT_EQ(Install(), 0u);
  for (const ListKindRow& list : kListKindRows) EXPECT_EQ(ReadBytes(Bin(list.fileName)), UserList(list.kind));
  EXPECT_EQ(ReadBytes(Bin(L"Settings.txt")), kUserSettings);

  // A silent uninstall ends the installed program (which saves its list on the
  // way out: the first entry, deleted, is gone) but not a copy elsewhere,
  // removes everything it installed and both start-up values, and keeps the list.
  ProgramUnderTest installed(dir);
  ASSERT_TRUE(installed.Start());
  const HWND installedMain = installed.WaitForMainWindow();
  ASSERT_TRUE(ShowsPage(installedMain, L"网址助手"));
  ClickAt(installedMain, kDelete.x, kDelete.y);
  ScratchDir elsewhere;
  fs::create_directories(elsewhere.path() / L"Bin");
  WriteBytes(elsewhere.path() / L"Bin" / L"Settings.txt", "1<Split>0<Split>0<Split>0<Split>100<Split>0\r\n");
  ProgramUnderTest other(elsewhere.path());
  ASSERT_TRUE(other.Start());
  ASSERT_TRUE(other.WaitForMainWindow());
  // Where the program cannot write the machine's key it writes the user's, quoted when the path has a blank.
  RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, REG_SZ, (L"\"" + exe.wstring() + L"\"").c_str(),
                  DWORD((exe.wstring().size() + 3) * sizeof(wchar_t)));
  ASSERT_TRUE(Uninstall());
  EXPECT_TRUE(installed.WaitForExit(1000));
  EXPECT_EQ(other.ExitCode(), STILL_ACTIVE);
  EXPECT_EQ(ReadBytes(Bin(L"Websites.txt")), kNewsEntry + "\r\n");
  EXPECT_FALSE(fs::exists(exe));
  EXPECT_FALSE(fs::exists(dir / L"uninstall.exe"));
  EXPECT_FALSE(fs::exists(dir / L"说明.txt"));
  EXPECT_FALSE(fs::exists(Bin(L"Settings.txt")));
  EXPECT_FALSE(fs::exists(shortcut));
  EXPECT_EQ(RegText(HKEY_LOCAL_MACHINE, kRunKey, kRunValue), std::nullopt);
  EXPECT_EQ(RegText(HKEY_CURRENT_USER, kRunKey, kRunValue), std::nullopt);
  PostMessageW(FindMainWindowOf(other.ProcessId()), WM_CLOSE, 0, 0);
  EXPECT_TRUE(other.WaitForExit());
}

}  // namespace
}  // namespace oravin::testing
