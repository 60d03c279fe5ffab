// Start-up, page switches and the quick-open box of the real program, against
// the smallest program that shows a window, all in one run under the same
// load: rounds interleave the programs, and the tables give each figure's
// median with its spread (lowest-highest), and ratios taken round by round,
// between figures measured side by side, not budgets.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "runtime/handles.h"
#include "testing/scratch_dir.h"
#include "tests/e2e/main_window_points.h"
#include "tests/e2e/program_under_test.h"

namespace oravin::testing {
namespace {

constexpr int kRounds = 7;
constexpr int kFewEntries = 10;
constexpr int kMostEntries = 32767;  // the most a list can show
constexpr int kReadyTimeoutMs = 120000;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

// "90 (85-97)": the median of the rounds, then the lowest and the highest.
std::string Figure(std::vector<double> values, const std::string& format = "%.0f") {
  std::sort(values.begin(), values.end());
  char text[96];
  std::snprintf(text, sizeof text, (format + " (" + format + "-" + format + ")").c_str(), values[values.size() / 2],
                values.front(), values.back());
  return text;
}

// The figure of each round over the other's of the same round, measured side by side.
std::string RatioFigure(const std::vector<double>& over, const std::vector<double>& under) {
  std::vector<double> ratios;
  for (size_t i = 0; i < over.size(); ++i) ratios.push_back(over[i] / under[i]);
  return Figure(ratios, "%.2f") + "x";
}

// A list file as the program writes it, in the code page: title " <Address>"
// address "<Split>" for each entry, and a line end.
void WriteList(const std::filesystem::path& file, const std::wstring& title, const std::wstring& address, int count) {
  std::wstring text;
  text.reserve(size_t(count) * (title.size() + address.size() + 24));
  for (int i = 1; i <= count; ++i) {
    const std::wstring n = std::to_wstring(100000 + i).substr(1);
    text += title + n + L" <Address>" + address + n + L"<Split>";
  }
  text += L"\r\n";
  const int length = WideCharToMultiByte(936, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(size_t(length), '\0');
  WideCharToMultiByte(936, 0, text.data(), int(text.size()), bytes.data(), length, nullptr, nullptr);
  WriteBytes(file, bytes);
}

// A program folder with both lists of the given size, opening on the web-address
// list with animation off (the opening animation at start-up plays regardless).
std::filesystem::path ProgramFolder(const std::filesystem::path& root, int entries) {
  const std::filesystem::path folder = root / ("oravin-" + std::to_string(entries));
  std::filesystem::create_directories(folder / "Bin");
  WriteBytes(folder / "Bin" / "Settings.txt", "0<Split>1<Split>0<Split>0<Split>10<Split>0");
  WriteList(folder / "Bin" / "Websites.txt", L"网站 ", L"http://www.example.com/page/", entries);
  WriteList(folder / "Bin" / "FolderList.txt", L"文件夹 ", L"C:\\windows\\", entries);
  return folder;
}

// One started program, closed as a user closes it when the object goes.
class Running {
 public:
  // Times the start from the moment the process is asked for until it waits
  // for input with its start-up done and its list loaded: for a window with a
  // region, once the rounded outline the start-up ends with is on it. The
  // opening animation plays at every start, whatever the options say, and its
  // frames are paced by the animation itself: it is timed apart, from its
  // first frame to the outline, by watching the window's region change.
  Running(const std::filesystem::path& exe, const wchar_t* windowClass) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + exe.wstring() + L"\"";
    const std::wstring folder = exe.parent_path().wstring();
    const LARGE_INTEGER before = Now();
    if (!CreateProcessW(exe.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &si, &pi)) {
      std::fprintf(stderr, "could not start %ls\n", exe.wstring().c_str());
      std::exit(1);
    }
    CloseHandle(pi.hThread);
    process_.reset(pi.hProcess);
    std::optional<LARGE_INTEGER> firstFrame, lastFrame;
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    while (Milliseconds(before, Now()) < kReadyTimeoutMs) {
      // The animation steps on the program's own loop, which waits for input between frames.
      const bool idle = WaitForInputIdle(pi.hProcess, 1) != WAIT_TIMEOUT;
      if (!window) window = WindowOf(pi.dwProcessId, windowClass);
      if (window && !lastFrame) {
        const int kind = GetWindowRgn(window, region.get());
        if (kind != ERROR && !firstFrame) firstFrame = Now();
        if (kind == COMPLEXREGION) lastFrame = Now();
      }
      if (idle && window && (!firstFrame || lastFrame)) break;
    }
    const LARGE_INTEGER ready = Now();
    readyMs = Milliseconds(before, ready);
    if (firstFrame && lastFrame) animationMs = Milliseconds(*firstFrame, *lastFrame);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory);
    workingSetMiB = double(memory.WorkingSetSize) / (1024.0 * 1024.0);
    if (!window) window = WindowOf(pi.dwProcessId, windowClass);
  }
  ~Running() {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.get(), 30000) != WAIT_OBJECT_0) TerminateProcess(process_.get(), 1);
  }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;

  double readyMs = 0;
  double animationMs = 0;
  double workingSetMiB = 0;
  HWND window = nullptr;

 private:
  static HWND WindowOf(DWORD pid, const wchar_t* windowClass) {
    for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, nullptr); w;
         w = FindWindowExW(nullptr, w, windowClass, nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(w, &owner);
      if (owner == pid) return w;
    }
    return nullptr;
  }
  UniqueKernelHandle process_;
};

// Waits until the program has dealt with everything it was given.
void Settle(HWND main) {
  DWORD_PTR ignored;
  SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kReadyTimeoutMs, &ignored);
}

// From the click on a list in the main menu until the program waits for input
// again, the list it left saved and the chosen one loaded and named in the title.
double SwitchList(HWND main, POINT menuItem, const std::wstring& title) {
  // A click before the main menu is up would be lost, and the wait below endless.
  ClickAt(main, kPlug.x, kPlug.y);
  WaitForTitle(main, L"Oravin");
  Settle(main);
  HWND titleLabel = ControlAt(main, kTitle.x, kTitle.y);
  const LARGE_INTEGER before = Now();
  ClickAt(main, menuItem.x, menuItem.y);
  while (WindowText(titleLabel) != title) Sleep(1);
  Settle(main);
  return Milliseconds(before, Now());
}

// From the global key until the quick-open box is shown and the program waits
// for input again; Escape closes it afterwards.
double OpenQuickOpen() {
  const LARGE_INTEGER before = Now();
  PressKey(VK_SPACE, {VK_CONTROL, VK_MENU});
  HWND box = nullptr;
  while (!(box = FindWindowW(L"Oravin.frmQuickOpen", nullptr)) || !IsWindowVisible(box)) {
    if (Milliseconds(before, Now()) > kReadyTimeoutMs) return -1;
    Sleep(0);
  }
  Settle(box);
  const double ms = Milliseconds(before, Now());
  PressKey(VK_ESCAPE);
  while (IsWindowVisible(box)) Sleep(1);
  return ms;
}

struct Row {
  std::string name;
  std::vector<double> ready, animation, net, workingSet;
  void Add(const Running& program) {
    ready.push_back(program.readyMs);
    animation.push_back(program.animationMs);
    net.push_back(program.readyMs - program.animationMs);
    workingSet.push_back(program.workingSetMiB);
  }
};

void PrintStartUps(const std::vector<Row>& rows) {
  std::printf("\nStart-up until the program first waits for input, ms and MiB: median (lowest-highest) of %d rounds;\n"
              "ratios to the smallest program, taken round by round\n",
              kRounds);
  std::printf("%-40s %-16s %-16s %-16s %-20s %-16s %s\n", "program", "ready", "opening", "ready-opening", "ratio",
              "working set", "ratio");
  const Row& base = rows[0];
  for (const Row& row : rows) {
    std::printf("%-40s %-16s %-16s %-16s %-20s %-16s %s\n", row.name.c_str(), Figure(row.ready).c_str(),
                Figure(row.animation).c_str(), Figure(row.net).c_str(), RatioFigure(row.net, base.net).c_str(),
                Figure(row.workingSet, "%.1f").c_str(), RatioFigure(row.workingSet, base.workingSet).c_str());
  }
  std::printf("%d entries against %d: ready-opening %s, working set %s\n", kMostEntries, kFewEntries,
              RatioFigure(rows[2].net, rows[1].net).c_str(), RatioFigure(rows[2].workingSet, rows[1].workingSet).c_str());
}

void PrintQuickOpens(const std::vector<double> (&opens)[2], const Row& minimal) {
  std::printf("\nQuick open, the global key until the box waits for input, ms (%d rounds);\n"
              "ratio to the smallest program's start, round by round\n",
              kRounds);
  std::printf("%-44s %-20s\n", "smallest program, start until it waits", Figure(minimal.net).c_str());
  const int sizes[2] = {kFewEntries, kMostEntries};
  for (int s = 0; s < 2; ++s) {
    std::printf("%-44s %-20s %s\n", ("entries in each list: " + std::to_string(sizes[s])).c_str(),
                Figure(opens[s]).c_str(), RatioFigure(opens[s], minimal.net).c_str());
  }
}

void PrintSwitches(const std::vector<double> (&switches)[2][2]) {
  std::printf("\nPage switch, click until the program waits for input again, ms (%d rounds)\n", kRounds);
  std::printf("%-44s %-20s %-20s\n", "entries in each list", "to folders", "to web");
  const int sizes[2] = {kFewEntries, kMostEntries};
  for (int s = 0; s < 2; ++s) {
    std::printf("%-44d %-20s %-20s\n", sizes[s], Figure(switches[s][0]).c_str(), Figure(switches[s][1]).c_str());
  }
  std::printf("%d against %d entries, round by round: %s to folders, %s to web\n", kMostEntries, kFewEntries,
              RatioFigure(switches[1][0], switches[0][0]).c_str(), RatioFigure(switches[1][1], switches[0][1]).c_str());
}

// With an earlier build of the program, it starts in the same rounds too, and
// this build's start-up is shown against its own, round by round.
int Run(const std::filesystem::path& oravin, const std::filesystem::path& minimal, const wchar_t* earlier) {
  ScratchDir scratch;
  const std::filesystem::path folders[4] = {
      ProgramFolder(scratch.path(), kFewEntries), ProgramFolder(scratch.path(), kMostEntries),
      ProgramFolder(scratch.path() / "earlier", kFewEntries), ProgramFolder(scratch.path() / "earlier", kMostEntries)};
  for (int f = 0; f < (earlier ? 4 : 2); ++f) std::filesystem::copy_file(f < 2 ? oravin : earlier, folders[f] / "oravin.exe");
  std::vector<Row> rows = {{"smallest program with a 195 x 354 window"},
                           {"Oravin, web list of " + std::to_string(kFewEntries) + " entries"},
                           {"Oravin, web list of " + std::to_string(kMostEntries) + " entries"},
                           {"earlier build, " + std::to_string(kFewEntries) + " entries"},
                           {"earlier build, " + std::to_string(kMostEntries) + " entries"}};
  std::vector<double> switches[2][2];
  std::vector<double> quickOpens[2];
  for (int round = 0; round < kRounds; ++round) {
    {
      Running program(minimal, L"Oravin.MinimalWindow");
      rows[0].Add(program);
    }
    for (int s = 0; s < 2; ++s) {
      Running program(folders[s] / "oravin.exe", L"Oravin.frmMain");
      rows[1 + s].Add(program);
      switches[s][0].push_back(SwitchList(program.window, kMenuFolders, L"文件夹助手"));
      switches[s][1].push_back(SwitchList(program.window, kMenuWeb, L"网址助手"));
      quickOpens[s].push_back(OpenQuickOpen());
    }
    for (int s = 0; earlier && s < 2; ++s) rows[3 + s].Add(Running(folders[2 + s] / "oravin.exe", L"Oravin.frmMain"));
    std::fprintf(stderr, "round %d of %d done\n", round + 1, kRounds);
  }
  if (!earlier) rows.resize(3);
  PrintStartUps(rows);
  for (size_t s = 1; earlier && s < 3; ++s)
    std::printf("%s, ready-opening against the earlier build's: %s\n", rows[s].name.c_str(),
                RatioFigure(rows[s].net, rows[s + 2].net).c_str());
  PrintSwitches(switches);
  PrintQuickOpens(quickOpens, rows[0]);
  return 0;
}

}  // namespace
}  // namespace oravin::testing

int wmain(int argc, wchar_t** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: startup_bench oravin.exe minimal_window.exe [earlier-oravin.exe]\n");
    return 2;
  }
  return oravin::testing::Run(argv[1], argv[2], argc == 4 ? argv[3] : nullptr);
}
