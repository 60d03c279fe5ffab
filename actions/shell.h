#pragma once
// The shell calls of the launcher, which is given the shell to use, so tests
// can see what would have been started. Window handles pass through as opaque values.
#include <cstdint>
#include <string>

namespace oravin {

using WindowHandle = void*;

// Show states of the shell calls.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;

struct FoundExecutable {
  intptr_t code;         // above 32 when a program was found
  std::wstring program;  // its path, when found
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The program registered to open the given document (or folder).
  virtual FoundExecutable FindProgramFor(const std::wstring& file, const std::wstring& directory) = 0;
  // The program that opens files of a type (".html"), as the user chose it.
  virtual FoundExecutable FindProgramForType(const std::wstring& extension) = 0;
  // Opens a file, address or program with a verb, as the shell does.
  virtual void Execute(WindowHandle owner, const std::wstring& verb, const std::wstring& file,
                       const std::wstring& parameters, const std::wstring& directory, int show) = 0;
  // Starts a command line as a new process without waiting for it.
  virtual void StartProcess(const std::wstring& commandLine, int show) = 0;
};

// The real shell; off Windows, where only tests run, there is none.
Shell& SystemShell();

}  // namespace oravin
