#include "actions/mdlRegistry.h"

#include "actions/registry_calls.h"

namespace oravin {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key of one hive, open for one operation.
class RunKey {
 public:
  explicit RunKey(RegistryRoot root) : key_(CurrentRegistry().CreateKey(root, kRunKey)) {}
  ~RunKey() {
    if (key_) CurrentRegistry().CloseKey(key_);
  }
  RunKey(const RunKey&) = delete;
  RunKey& operator=(const RunKey&) = delete;

  bool Set(const std::wstring& name, const std::wstring& data) {
    return key_ && CurrentRegistry().SetStringValue(key_, name, data);
  }
  void Delete(const std::wstring& name) {
    if (key_) CurrentRegistry().DeleteValue(key_, name);
  }

 private:
  RegistryCalls::Key key_;
};

}  // namespace

void SetStartWithWindows(const std::wstring& name, const std::wstring& command, int32_t addFlag) {
  if ((addFlag & kAddFlagBits) == 0) {
    RunKey(RegistryRoot::LocalMachine).Delete(name);
    RunKey(RegistryRoot::CurrentUser).Delete(name);
    return;
  }
  if (RunKey(RegistryRoot::LocalMachine).Set(name, command)) {
    // Two copies would start the program twice at log-on.
    RunKey(RegistryRoot::CurrentUser).Delete(name);
  } else {
    RunKey(RegistryRoot::CurrentUser).Set(name, command);
  }
}

}  // namespace oravin
