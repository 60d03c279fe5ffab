#include <windows.h>

#include "actions/registry_calls.h"

namespace oravin {
namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

class SystemCalls : public RegistryCalls {
 public:
  Key CreateKey(RegistryRoot root, const std::wstring& subKey) override {
    HKEY key = nullptr;
    return RegCreateKeyW(RootKey(root), subKey.c_str(), &key) == ERROR_SUCCESS ? key : nullptr;
  }

  bool SetStringValue(Key key, const std::wstring& name, const std::wstring& data) override {
    const auto* bytes = reinterpret_cast<const BYTE*>(data.c_str());
    const DWORD size = DWORD((data.size() + 1) * sizeof(wchar_t));  // in bytes, with the terminating zero
    return RegSetValueExW(HKEY(key), name.c_str(), 0, REG_SZ, bytes, size) == ERROR_SUCCESS;
  }

  bool DeleteValue(Key key, const std::wstring& name) override {
    const LSTATUS status = RegDeleteValueW(HKEY(key), name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }

  void CloseKey(Key key) override { RegCloseKey(HKEY(key)); }
};

}  // namespace

RegistryCalls& SystemRegistry() {
  static SystemCalls calls;
  return calls;
}

}  // namespace oravin
