// The test build's own page: a header, as every page has, and nothing the
// window has to know of.
#include "app/pages/menu_entries.h"
#include "app/pages/page_look.h"
#include "runtime/panel.h"

namespace oravin {

// The tables this is built with hold the rows, or the tests that go through
// every row would check the program's alone.
constexpr MenuEntry kSampleRow = kMenuEntries.back();
static_assert(kSampleRow.title == kSamplePageTitle && kListKindRows[kListKindCount - 1].picture == IDI_NOTES);

namespace {

class SamplePage : public Panel {
 public:
  explicit SamplePage(Window& window) {
    Create(window.hwnd(), {}, kPageBackColor);
    header_.Create(hwnd(), kHeaderRect, kSamplePageTitle, HeaderLook());
  }

 private:
  Label header_;
};

}  // namespace

template <>
std::unique_ptr<Control> MakePage<kSampleRow.page>(Window& window) {
  return std::make_unique<SamplePage>(window);
}

}  // namespace oravin
