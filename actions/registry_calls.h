#pragma once
// Every registry call of the program goes through here, so tests can refuse a
// hive or watch the calls while the real registry does the work elsewhere.
#include <string>

#include "runtime/seam.h"

namespace oravin {

enum class RegistryRoot { LocalMachine, CurrentUser };

class RegistryCalls {
 public:
  using Key = void*;  // an open HKEY
  virtual ~RegistryCalls() = default;
  // RegCreateKeyA: opens the key for writing, creating it when missing; null
  // when that is refused.
  virtual Key CreateKey(RegistryRoot root, const std::string& subKey) = 0;
  // RegSetValueExA with REG_SZ: the ANSI text and its terminating zero.
  virtual bool SetStringValue(Key key, const std::string& name, const std::string& data) = 0;
  // RegDeleteValueA; a value that is not there counts as deleted.
  virtual bool DeleteValue(Key key, const std::string& name) = 0;
  // RegCloseKey.
  virtual void CloseKey(Key key) = 0;
};

// The calls in force: the real registry unless a test replaced it.
RegistryCalls& CurrentRegistry();
// The real registry.
RegistryCalls& SystemRegistry();

using ScopedRegistryCalls = ScopedSeam<RegistryCalls>;

}  // namespace oravin
