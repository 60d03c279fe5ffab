#include "actions/mdlRegistry.h"

#include "actions/registry_calls.h"
#include "runtime/ansi_codec.h"

namespace oravin {
namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key of one hive, open for one operation.
class RunKey {
 public:
  explicit RunKey(RegistryRoot root) : key_(CurrentRegistry().CreateKey(root, kRunKey)) {}
  ~RunKey() {
    if (key_) CurrentRegistry().CloseKey(key_);
  }
  RunKey(const RunKey&) = delete;
  RunKey& operator=(const RunKey&) = delete;

  bool Set(const std::string& name, const std::string& data) {
    return key_ && CurrentRegistry().SetStringValue(key_, name, data);
  }
  void Delete(const std::string& name) {
    if (key_) CurrentRegistry().DeleteValue(key_, name);
  }

 private:
  RegistryCalls::Key key_;
};

}  // namespace

void SetStartWithWindows(const std::wstring& name, const std::wstring& command, int32_t addFlag) {
  const std::string ansiName = SystemCodec().Encode(name);
  if ((addFlag & kAddFlagBits) == 0) {
    RunKey(RegistryRoot::LocalMachine).Delete(ansiName);
    RunKey(RegistryRoot::CurrentUser).Delete(ansiName);
    return;
  }
  const std::string data = SystemCodec().Encode(command);
  if (RunKey(RegistryRoot::LocalMachine).Set(ansiName, data)) {
    // Two copies would start the program twice at log-on.
    RunKey(RegistryRoot::CurrentUser).Delete(ansiName);
  } else {
    RunKey(RegistryRoot::CurrentUser).Set(ansiName, data);
  }
}

}  // namespace oravin
