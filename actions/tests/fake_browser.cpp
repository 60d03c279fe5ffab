// A stand-in browser for the launcher tests: writes the command line it got,
// raw and split the Windows way, to the file named by ORAVIN_FAKE_BROWSER_LOG.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

void Append(std::string& out, const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size_t(n > 0 ? n - 1 : 0), '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), n, nullptr, nullptr);
  out += utf8;
  out += '\n';
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t log[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"ORAVIN_FAKE_BROWSER_LOG", log, MAX_PATH)) return 1;
  std::string out;
  Append(out, GetCommandLineW());
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i < argc; ++i) Append(out, argv[i]);
  LocalFree(argv);
  // Written under another name first, so the test never reads half a record.
  const std::wstring partial = std::wstring(log) + L".part";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, out.data(), DWORD(out.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExW(partial.c_str(), log, MOVEFILE_REPLACE_EXISTING);
  return 0;
}
