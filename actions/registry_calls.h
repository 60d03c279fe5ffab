#pragma once
// Every registry call of the program goes through here: the start-up entry is
// given the calls to use, so tests can refuse a hive or watch the calls while
// the real registry does the work.
#include <string>

namespace oravin {

enum class RegistryRoot { LocalMachine, CurrentUser };

class RegistryCalls {
 public:
  using Key = void*;  // an open HKEY
  virtual ~RegistryCalls() = default;
  // RegCreateKeyW: opens the key for writing, creating it when missing; null
  // when that is refused.
  virtual Key CreateKey(RegistryRoot root, const std::wstring& subKey) = 0;
  // RegSetValueExW with REG_SZ: the text and its terminating zero, in UTF-16,
  // so a path the ANSI code page cannot spell is stored whole.
  virtual bool SetStringValue(Key key, const std::wstring& name, const std::wstring& data) = 0;
  // RegDeleteValueW; a value that is not there counts as deleted.
  virtual bool DeleteValue(Key key, const std::wstring& name) = 0;
  // RegCloseKey.
  virtual void CloseKey(Key key) = 0;
};

// The real registry.
RegistryCalls& SystemRegistry();

}  // namespace oravin
