#include "actions/start_with_windows.h"

namespace oravin {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key of one hive, open for one operation.
class RunKey {
 public:
  RunKey(RegistryCalls& registry, RegistryRoot root) : registry_(registry), key_(registry.CreateKey(root, kRunKey)) {}
  ~RunKey() {
    if (key_) registry_.CloseKey(key_);
  }
  RunKey(const RunKey&) = delete;
  RunKey& operator=(const RunKey&) = delete;

  bool Set(const std::wstring& name, const std::wstring& data) {
    return key_ && registry_.SetStringValue(key_, name, data);
  }
  void Delete(const std::wstring& name) {
    if (key_) registry_.DeleteValue(key_, name);
  }

 private:
  RegistryCalls& registry_;
  RegistryCalls::Key key_;
};

}  // namespace

void StartUpEntry::Set(const std::wstring& name, const std::wstring& command, int32_t addFlag) const {
  if ((addFlag & kAddFlagBits) == 0) {
    RunKey(registry_, RegistryRoot::LocalMachine).Delete(name);
    RunKey(registry_, RegistryRoot::CurrentUser).Delete(name);
    return;
  }
  if (RunKey(registry_, RegistryRoot::LocalMachine).Set(name, command)) {
    // Two copies would start the program twice at log-on.
    RunKey(registry_, RegistryRoot::CurrentUser).Delete(name);
  } else {
    RunKey(registry_, RegistryRoot::CurrentUser).Set(name, command);
  }
}

}  // namespace oravin
