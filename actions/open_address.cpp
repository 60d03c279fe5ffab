#include "actions/open_address.h"

#include <optional>

#include "actions/command_line.h"
#include "actions/web_address.h"
#include "runtime/durable_file.h"
#include "runtime/file_path.h"

namespace oravin {
namespace {

// The shell's open carries an address through fixed buffers of its own. Wine
// puts the handler's command with the address in 1,024 characters and cuts or
// drops the address beyond that without a word, and it overruns a buffer and
// ends the program at about 1,000 characters of address (folder paths too);
// Windows' URL handlers stop at 2,083 (INTERNET_MAX_URL_LENGTH). 512 leaves
// room for a handler's path (at most MAX_PATH) and its switches. A longer
// address goes to the handler program itself, as one argument, which takes any
// length a command line can hold.
constexpr size_t kLongestShellAddress = 512;
// CreateProcess takes at most 32,767 characters, the terminating zero included.
constexpr size_t kLongestCommandLine = 32766;

constexpr wchar_t kNotOpenedTitle[] = L"无法打开";

// An address that begins like a switch must never reach a program's command
// line, where it would be read as an option instead of a page.
bool LooksLikeSwitch(const std::wstring& address) {
  return !address.empty() && (address[0] == L'-' || address[0] == L'/');
}

// "the entry's address", or just "the address" for a search.
std::wstring Subject(std::wstring_view title, std::wstring_view what) {
  return title.empty() ? std::wstring(what) : L"\"" + std::wstring(title) + L"\" 的" + std::wstring(what);
}

Notice Refusal(const std::wstring& text) { return {text, kNotOpenedTitle, MsgIcon::Exclamation}; }

// A web entry never runs a program: only a web address reaches the shell.
std::optional<std::wstring> WebPageToOpen(const std::wstring& address, std::wstring_view title,
                                          std::optional<Notice>& refusal) {
  std::optional<std::wstring> page = WebAddressToOpen(address);
  if (!page) {
    refusal = Refusal(Subject(title, L"地址") +
                      L"不是网页地址, 没有打开.\r\n只能打开 http://, https:// 或 ftp:// 开头的网址.");
  }
  return page;
}

// A folder entry never runs a program either: the shell would start a program
// or a batch file it is given as readily as it opens a folder.
std::optional<std::wstring> FolderToOpen(const std::wstring& path, std::wstring_view title,
                                         std::optional<Notice>& refusal) {
  const PathKind kind = KindOfPath(path);
  if (kind == PathKind::Folder) return path;
  refusal = Refusal(kind == PathKind::File ? Subject(title, L"地址") + L"不是文件夹, 没有打开."
                                           : Subject(title, L"文件夹") + L"不存在, 没有打开.");
  return std::nullopt;
}

}  // namespace

std::optional<Notice> Launcher::OpenAddress(WindowHandle owner, const std::wstring& address, bool newWindow,
                                            bool isFolder, std::wstring_view title) const {
  std::optional<Notice> refusal;
  const std::optional<std::wstring> target =
      isFolder ? FolderToOpen(address, title, refusal) : WebPageToOpen(address, title, refusal);
  if (!target) return refusal;
  // The browser is the program that opens web pages. It is asked of the
  // association itself: a page of our own to ask about would have to be made in
  // the temporary folder, where a file of the user's may bear its name.
  const FoundExecutable handler =
      isFolder ? shell_.FindProgramFor(programFolder_, L"") : shell_.FindProgramForType(L".html");
  if (handler.code <= 32) return Notice{L"未找到关联的浏览器.", L"浏览器错误", MsgIcon::Exclamation};
  const bool fitsTheShell = target->size() <= kLongestShellAddress;
  const auto tooLong = [&] {
    return Refusal(Subject(title, L"地址") + L"太长 (" + std::to_wstring(target->size()) + L" 个字符), 没有打开.");
  };
  if ((newWindow || !fitsTheShell) && !LooksLikeSwitch(*target)) {
    const std::wstring argument = QuoteArgument(*target);
    if (QuoteArgument(handler.program).size() + 1 + argument.size() > kLongestCommandLine) return tooLong();
    shell_.Execute(owner, L"open", handler.program, argument, L"", kShowNormal);
  } else if (fitsTheShell) {
    shell_.Execute(owner, L"open", *target, L"", L"", kShowNormal);
  } else {
    return tooLong();  // a folder path that begins like a switch: neither way is safe at this length
  }
  return std::nullopt;
}

void Launcher::OpenHomePage(const std::wstring& address) const {
  shell_.StartProcess(L"explorer.exe " + address, kShowMinimized);
}

}  // namespace oravin
