#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "actions/start_with_windows.h"
#include "actions/registry_calls.h"

namespace oravin {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kAnsiRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
// Never the program's own value name.
constexpr wchar_t kName[] = L"OravinTrayRegistryTest";
constexpr char kAnsiName[] = "OravinTrayRegistryTest";
constexpr int32_t kAdd = 1, kDelete = 0;

HKEY Hive(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
const wchar_t* HiveName(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? L"HKLM" : L"HKCU"; }

// The value as the registry holds it, read back with the wide API.
struct Stored {
  DWORD type = 0;
  DWORD bytes = 0;
  std::wstring text;
};
std::optional<Stored> Read(RegistryRoot root) {
  Stored s;
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(Hive(root), kRunKey, kName, RRF_RT_ANY, &s.type, buffer, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  s.text = buffer;
  // The size the value was written with, in ANSI bytes.
  DWORD ansiSize = 0;
  RegGetValueA(Hive(root), kAnsiRunKey, kAnsiName, RRF_RT_ANY, nullptr, nullptr, &ansiSize);
  s.bytes = ansiSize;
  return s;
}

void WriteDirectly(RegistryRoot root, const std::wstring& text) {
  RegSetKeyValueW(Hive(root), kRunKey, kName, REG_SZ, text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t)));
}

// Watches the calls and passes them to the real registry, except that it can
// refuse the machine's hive as Windows does for users without administrator rights.
class WatchedRegistry : public RegistryCalls {
 public:
  Key CreateKey(RegistryRoot root, const std::wstring& subKey) override {
    calls.push_back(std::wstring(L"CreateKey ") + HiveName(root) + L" " + subKey);
    if (refuseMachine && root == RegistryRoot::LocalMachine) return nullptr;
    Key key = SystemRegistry().CreateKey(root, subKey);
    if (key) roots_[key] = root;
    return key;
  }
  bool SetStringValue(Key key, const std::wstring& name, const std::wstring& data) override {
    calls.push_back(std::wstring(L"SetStringValue ") + HiveName(roots_[key]) + L" " + name + L" " + data);
    return SystemRegistry().SetStringValue(key, name, data);
  }
  bool DeleteValue(Key key, const std::wstring& name) override {
    calls.push_back(std::wstring(L"DeleteValue ") + HiveName(roots_[key]) + L" " + name);
    return SystemRegistry().DeleteValue(key, name);
  }
  void CloseKey(Key key) override {
    calls.push_back(std::wstring(L"CloseKey ") + HiveName(roots_[key]));
    SystemRegistry().CloseKey(key);
  }
  std::vector<std::wstring> calls;
  bool refuseMachine = false;

 private:
  std::map<Key, RegistryRoot> roots_;
};

class StartWithWindows : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  // As the main window sets it, through the real registry unless watched.
  static void Set(const std::wstring& name, const std::wstring& command, int32_t addFlag,
                  RegistryCalls& registry = SystemRegistry()) {
    StartUpEntry(registry).Set(name, command, addFlag);
  }
  static void Clean() {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kName);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kName);
  }
};

TEST_F(StartWithWindows, WritesTheMachinesRunKeyAndClosesIt) {
  WatchedRegistry registry;
  Set(kName, L"C:\\Oravin\\oravin.exe", kAdd, registry);
  ASSERT_GE(registry.calls.size(), 3u);
  EXPECT_EQ(registry.calls[0], std::wstring(L"CreateKey HKLM ") + kRunKey);
  EXPECT_EQ(registry.calls[1], L"SetStringValue HKLM OravinTrayRegistryTest C:\\Oravin\\oravin.exe");
  EXPECT_EQ(registry.calls[2], L"CloseKey HKLM");
  const auto stored = Read(RegistryRoot::LocalMachine);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, DWORD(REG_SZ));
  EXPECT_EQ(stored->text, L"C:\\Oravin\\oravin.exe");
  EXPECT_EQ(stored->bytes, 21u);  // with the terminating zero
  EXPECT_FALSE(Read(RegistryRoot::CurrentUser));
}

TEST_F(StartWithWindows, ASecondWriteReplacesTheCommand) {
  Set(kName, L"C:\\Old\\oravin.exe", kAdd);
  Set(kName, L"D:\\New\\oravin.exe", kAdd);
  EXPECT_EQ(Read(RegistryRoot::LocalMachine)->text, L"D:\\New\\oravin.exe");
}

TEST_F(StartWithWindows, ChineseFolderNamesAreStoredWhole) {
  const std::wstring command = L"C:\\程序\\收藏夹助手\\oravin.exe";
  Set(kName, command, kAdd);
  const auto stored = Read(RegistryRoot::LocalMachine);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->text, command);
  EXPECT_EQ(stored->bytes, command.size() + 7 + 1);  // seven double-byte characters
}

TEST_F(StartWithWindows, AFolderTheCodePageCannotSpellIsStoredWhole) {
  const std::wstring command = L"C:\\ทดสอบ\\oravin.exe";  // Thai, which code page 936 has no room for
  Set(kName, command, kAdd);
  const auto stored = Read(RegistryRoot::LocalMachine);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, DWORD(REG_SZ));
  EXPECT_EQ(stored->text, command);
}

TEST_F(StartWithWindows, DeletingRemovesTheValueAndDeletingTwiceIsHarmless) {
  Set(kName, L"C:\\Oravin\\oravin.exe", kAdd);
  Set(kName, L"", kDelete);
  EXPECT_FALSE(Read(RegistryRoot::LocalMachine));
  Set(kName, L"", kDelete);
  EXPECT_FALSE(Read(RegistryRoot::LocalMachine));
  EXPECT_FALSE(Read(RegistryRoot::CurrentUser));
}

TEST_F(StartWithWindows, OnlyTheLow16BitsOfTheFlagCount) {
  Set(kName, L"C:\\Oravin\\oravin.exe", -1);  // true as a 16-bit Boolean
  EXPECT_TRUE(Read(RegistryRoot::LocalMachine));
  Set(kName, L"C:\\Oravin\\oravin.exe", 0x10000);
  EXPECT_FALSE(Read(RegistryRoot::LocalMachine));
  Set(kName, L"C:\\Oravin\\oravin.exe", 0x7FFF0001);
  EXPECT_TRUE(Read(RegistryRoot::LocalMachine));
}

TEST_F(StartWithWindows, WithoutRightsToTheMachineTheUsersRunKeyHoldsTheValue) {
  WatchedRegistry registry;
  registry.refuseMachine = true;
  Set(kName, L"C:\\Oravin\\oravin.exe", kAdd, registry);
  EXPECT_FALSE(Read(RegistryRoot::LocalMachine));
  const auto stored = Read(RegistryRoot::CurrentUser);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->text, L"C:\\Oravin\\oravin.exe");
  EXPECT_EQ(registry.calls.back(), L"CloseKey HKCU");
}

TEST_F(StartWithWindows, TurningTheOptionOffDeletesFromBothKeys) {
  WriteDirectly(RegistryRoot::LocalMachine, L"C:\\Oravin\\oravin.exe");
  WriteDirectly(RegistryRoot::CurrentUser, L"C:\\Oravin\\oravin.exe");
  WatchedRegistry registry;
  Set(kName, L"C:\\Oravin\\oravin.exe", kDelete, registry);
  EXPECT_FALSE(Read(RegistryRoot::LocalMachine));
  EXPECT_FALSE(Read(RegistryRoot::CurrentUser));
  EXPECT_EQ(registry.calls.size(), 6u);  // open, delete and close, in each hive
}

TEST_F(StartWithWindows, TurningItOffWithoutRightsToTheMachineStillClearsTheUsersKey) {
  WriteDirectly(RegistryRoot::CurrentUser, L"C:\\Oravin\\oravin.exe");
  WatchedRegistry registry;
  registry.refuseMachine = true;
  Set(kName, L"", kDelete, registry);
  EXPECT_FALSE(Read(RegistryRoot::CurrentUser));
}

TEST_F(StartWithWindows, AWriteToTheMachineRemovesAnEarlierCopyFromTheUser) {
  WriteDirectly(RegistryRoot::CurrentUser, L"C:\\Oravin\\oravin.exe");
  Set(kName, L"C:\\Oravin\\oravin.exe", kAdd);
  EXPECT_TRUE(Read(RegistryRoot::LocalMachine));
  EXPECT_FALSE(Read(RegistryRoot::CurrentUser));  // or the program would start twice
}

}  // namespace
}  // namespace oravin
