#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "actions/mdlExecute.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH] = {};
  GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  return full;
}

std::wstring FakeBrowser() {
  const char* path = std::getenv("ORAVIN_FAKE_BROWSER");
  return path ? FullPath(std::filesystem::path(path).wstring()) : std::wstring();
}

void SetDefault(const std::wstring& key, const std::wstring& value) {
  HKEY h = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 DWORD((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(h);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// A prefix in which a recording stand-in is the program for web pages and for
// http. (Wine reads file types from HKEY_CLASSES_ROOT only, not from the user's classes.)
class LauncherOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FakeBrowser().empty());
    const std::wstring command = L"\"" + FakeBrowser() + L"\" \"%1\"";
    SetDefault(L".html", L"OravinTest.Page");
    SetDefault(L"OravinTest.Page\\shell\\open\\command", command);
    SetDefault(L"http\\shell\\open\\command", command);
    SetEnvironmentVariableW(L"ORAVIN_FAKE_BROWSER_LOG", log().c_str());
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"OravinTest.Page");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".html");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"http");
  }

  std::wstring log() const { return (dir.path() / L"received.txt").wstring(); }
  // The lines the stand-in recorded: its raw command line, then each argument.
  std::vector<std::string> Received() {
    if (!testing::PumpUntil([&] { return std::filesystem::exists(log()); }, 10000)) return {};
    return Lines(testing::ReadBytes(log()));
  }

  testing::ScratchDir dir;
  testing::CapturedMessageBoxes boxes;
};

TEST_F(LauncherOnWindows, ANewWindowGetsTheWholeAddressAsItsOneArgument) {
  const std::wstring address = L"http://www.example.com/a b\tc\"d\\\" -x";
  OpenAddress(nullptr, address, true, false);
  const auto lines = Received();
  ASSERT_EQ(lines.size(), 2u) << (lines.empty() ? "" : lines[0]);
  EXPECT_EQ(lines[1], Utf8(address));
  EXPECT_TRUE(boxes.calls.empty());
}

TEST_F(LauncherOnWindows, WithoutANewWindowTheShellOpensTheAddressWithItsHandler) {
  OpenAddress(nullptr, L"http://www.example.com/search?q=a+b", false, false);
  const auto lines = Received();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "http://www.example.com/search?q=a+b");
}

TEST_F(LauncherOnWindows, WithoutABrowserTheUserIsToldNothingStartsAndNoPageIsLeft) {
  SetDefault(L".html", L"OravinTest.Nothing");
  OpenAddress(nullptr, L"http://www.example.com/", true, false);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"未找到关联的浏览器.");
  EXPECT_EQ(boxes.calls[0].title, L"浏览器错误");
  testing::PumpFor(500);
  EXPECT_FALSE(std::filesystem::exists(log()));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(GetTempFolder()) / L"Temp.html"));
}

TEST_F(LauncherOnWindows, AnExistingTemporaryPageIsDeletedAfterTheLookUp) {
  const auto probe = std::filesystem::path(GetTempFolder()) / L"Temp.html";
  testing::WriteBytes(probe, "<html></html>");
  OpenAddress(nullptr, L"http://www.example.com/", true, false);
  EXPECT_FALSE(std::filesystem::exists(probe));
  EXPECT_EQ(Received().size(), 2u);
}

TEST_F(LauncherOnWindows, TheTemporaryFolderEndsWithASeparator) {
  const std::wstring temp = GetTempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), L'\\');
  EXPECT_TRUE(std::filesystem::is_directory(temp));
}

TEST_F(LauncherOnWindows, AStartedProcessGetsItsCommandLineAsGiven) {
  SystemShell().StartProcess(L"\"" + FakeBrowser() + L"\" http://www.example.com/", kShowMinimized);
  const auto lines = Received();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "http://www.example.com/");
}

}  // namespace
}  // namespace oravin
