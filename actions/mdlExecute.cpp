#include "actions/mdlExecute.h"

#include <filesystem>
#include <fstream>

#include "actions/command_line.h"
#include "runtime/app.h"
#include "runtime/message_box.h"

namespace oravin {
namespace {

// Which program opens web pages is asked with an empty page of our own.
FoundExecutable FindBrowser() {
  const std::filesystem::path probe = std::filesystem::path(GetTempFolder()) / L"Temp.html";
  std::error_code ignored;
  if (!std::filesystem::exists(probe, ignored)) std::ofstream(probe, std::ios::binary);
  FoundExecutable found = SystemShell().FindProgramFor(probe.wstring(), L"");
  std::filesystem::remove(probe, ignored);
  return found;
}

// An address that begins like a switch must never reach a program's command
// line, where it would be read as an option instead of a page.
bool LooksLikeSwitch(const std::wstring& address) {
  return !address.empty() && (address[0] == L'-' || address[0] == L'/');
}

}  // namespace

std::wstring GetTempFolder() { return SystemShell().TempPath(); }

void OpenAddress(WindowHandle owner, const std::wstring& address, bool newWindow, bool isFolder) {
  const FoundExecutable handler = isFolder ? SystemShell().FindProgramFor(App().Path, L"") : FindBrowser();
  if (handler.code <= 32) {
    MsgBox(L"未找到关联的浏览器.", L"浏览器错误", MsgIcon::Exclamation);
    return;
  }
  if (newWindow && !LooksLikeSwitch(address)) {
    SystemShell().Execute(owner, L"open", handler.program, QuoteArgument(address), L"", kShowNormal);
  } else {
    SystemShell().Execute(owner, L"open", address, L"", L"", kShowNormal);
  }
}

void OpenHomePage(const std::wstring& address) {
  SystemShell().StartProcess(L"explorer.exe " + address, kShowMinimized);
}

}  // namespace oravin
