#pragma once
// The start-with-Windows value: the program's command under the Run key.
#include <cstdint>
#include <string>

#include "actions/registry_calls.h"

namespace oravin {

// Only the low 16 bits of the add flag count: non-zero writes the value,
// zero deletes it.
constexpr int32_t kAddFlagBits = 0xFFFF;

class StartUpEntry {
 public:
  // Every call goes to the registry given.
  explicit StartUpEntry(RegistryCalls& registry) : registry_(registry) {}

  // Writes `command` (REG_SZ) as the value `name` under the machine's Run
  // key; where the machine's key cannot be written (a user without
  // administrator rights) under the current user's Run key instead, and a copy
  // left there by an earlier such write goes once the machine's key holds it.
  // Deleting removes the value from both keys; a value that is not there is no
  // error. Nothing is reported: the option simply holds at the next log-on.
  void Set(const std::wstring& name, const std::wstring& command, int32_t addFlag) const;

 private:
  RegistryCalls& registry_;
};

}  // namespace oravin
