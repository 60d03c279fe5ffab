#pragma once
// Opening an address for the user: a web address with the program registered
// for web pages, a folder with the program registered for folders.
#include <optional>
#include <string>
#include <string_view>

#include "actions/shell.h"
#include "runtime/message_box.h"

namespace oravin {

class Launcher {
 public:
  // Everything is started through the shell given; a folder opens with the
  // program that opens the program's own folder.
  Launcher(Shell& shell, std::wstring programFolder) : shell_(shell), programFolder_(std::move(programFolder)) {}

  // newWindow starts the registered program itself with the address, which gives
  // a new window; otherwise the shell opens the address with its handler.
  // A web address opens only as an http, https or ftp page and a folder only
  // when it is one; an address the shell or a command line cannot carry whole is
  // not cut. Then nothing is started, and what to tell the user comes back,
  // naming the entry by its title when there is one; so it does when no program
  // opens such addresses.
  std::optional<Notice> OpenAddress(WindowHandle owner, const std::wstring& address, bool newWindow, bool isFolder,
                                    std::wstring_view title = {}) const;

  // The fixed home pages: "explorer.exe " + address as a new process, minimised and active.
  void OpenHomePage(const std::wstring& address) const;

 private:
  Shell& shell_;
  std::wstring programFolder_;
};

}  // namespace oravin
