// What the list control and the window animation cost under Wine, as figures
// read against each other in the same run: a full repaint of a short list and
// of the longest one, a Page Down through the longest, and an animation of the
// program's 33 steps at its delay and at a negative one.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "controls/listboxex/listboxex.h"
#include "effects/window_animation.h"
#include "runtime/handles.h"
#include "testing/captured_message_boxes.h"
#include "testing/win32_testing.h"

namespace oravin::testing {
namespace {

constexpr int kMostEntries = 32767;  // the most a list can show
constexpr int kRounds = 5;

// The best of several rounds of a step, in microseconds a step: a busy moment
// of the machine does not count.
double BestMicrosecondsPerStep(int steps, const std::function<void(int)>& step) {
  double best = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < steps; ++i) step(i);
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / steps);
  }
  return best;
}

std::unique_ptr<ListBoxEX> MakeList(HWND host, int entries) {
  static CapturedMessageBoxes refusals;  // the bench adds nothing a list refuses
  auto list = std::make_unique<ListBoxEX>(refusals);
  list->Create({.parent = host, .at = {0, 0, 180, 160}, .font = std::make_shared<Font>(L"Tahoma", 8.25)});
  for (int i = 0; i < entries; ++i) list->AddItem(L"Item " + std::to_wstring(i));
  PumpUntil([&] { return !list->PaintPending(); });
  return list;
}

void Painted(const ListBoxEX& list) { PumpUntil([&] { return !list.PaintPending(); }); }

double RepaintMicroseconds(ListBoxEX& list) {
  return BestMicrosecondsPerStep(50, [&](int i) {
    list.SetSelectedIndex(i % 10);
    Painted(list);
  });
}

double AnimationMilliseconds(HWND window, int32_t delay) {
  WindowAnimation animation;
  const auto start = std::chrono::steady_clock::now();
  animation.Play({.window = window, .mode = kAnimateOpen, .effect = 9, .delay = delay});
  PumpUntil([&] { return !animation.Playing(); }, 60000);
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

int Run() {
  const UniqueWindow host(CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                          300, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  const auto shortList = MakeList(host.get(), 10);
  const auto start = std::chrono::steady_clock::now();
  const auto longList = MakeList(host.get(), kMostEntries);
  std::printf("\nList control\nadding %d items and painting once: %.0f ms\n", kMostEntries,
              std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  const double shortCost = RepaintMicroseconds(*shortList), longCost = RepaintMicroseconds(*longList);
  std::printf("full repaint: %.0f us with 10 items, %.0f us with %d items (ratio %.2f)\n", shortCost, longCost,
              kMostEntries, longCost / shortCost);
  const double perKey = BestMicrosecondsPerStep(20, [&](int) {
    SendMessageW(longList->rowSurface(), WM_KEYDOWN, VK_NEXT, 0);
    Painted(*longList);
  });
  std::printf("Page Down in a list of %d: %.1f ms a key\n", kMostEntries, perKey / 1000);

  std::printf("\nWindow animation, 33 steps (34 frames) on the window's timer\n");
  std::printf("delay 1 ms: %.0f ms\n", AnimationMilliseconds(host.get(), 1));
  std::printf("delay -1 ms (taken as 0): %.0f ms\n", AnimationMilliseconds(host.get(), -1));
  return 0;
}

}  // namespace
}  // namespace oravin::testing

int wmain() { return oravin::testing::Run(); }
