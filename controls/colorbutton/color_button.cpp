#include "controls/colorbutton/color_button.h"

#include <stdexcept>

#include "controls/colorbutton/color_button_layout.h"
#include "runtime/dpi.h"
#include "runtime/rounding.h"
#include "runtime/twips.h"

namespace oravin {
namespace {

constexpr UINT kHoverIntervalMs = 10;
// The focus rectangle lies this far inside the button's edge, on the face (at 96 dpi).
constexpr int kFocusInset = 3;

HWND CreateSurface(Surface& surface, HWND parent) {
  if (!surface.Create(parent, RECT{}, true)) throw std::runtime_error("the button window could not be created");
  return surface.hwnd();
}

}  // namespace

ColorButton::ColorButton(HWND parent)
    : tmrUpdate_(CreateSurface(surface_, parent), [this] { OnHoverTick(); }) {
  DpiChanged();
  tmrUpdate_.SetInterval(kHoverIntervalMs);
  BindSurfaceEvents();
  SetCaption(kDefaultCaption);
  SetBackColor(kDefaultBackColor);
  SetForeColor(kDefaultForeColor);
  SetBorderColor(kDefaultBorderColor);
}

// The scale is that of the button's window, exact: at 192 dpi a pixel is 7.5 twips,
// and a rounded 8 would draw the button smaller than its window.
void ColorButton::DpiChanged() { scaleX_ = scaleY_ = TwipsPerPixelAt(DpiOf(hwnd())); }

void ColorButton::BindSurfaceEvents() {
  SurfaceEvents& e = surface_.Events;
  e.Click = [this] { RaiseEvent(Events.Click); };
  e.DblClick = [this] { RaiseEvent(Events.DbClick); };
  e.MouseMove = [this](const MouseArgs&) { OnSurfaceMouseMove(); };
  e.MouseDown = [this](const MouseArgs&) { RaiseEvent(Events.MouseDown); };
  e.MouseUp = [this](const MouseArgs&) { RaiseEvent(Events.MouseUp); };
  e.KeyPress = [this](wchar_t) { RaiseEvent(Events.KeyPress); };
  e.KeyUp = [this](int key, int) { OnKeyUp(key); };
  e.KeyDown = [this](int key, int) { OnKeyDown(key); };
  // Tab shows where the focus went (the key is still down when the focus
  // arrives); a click gives the focus without a frame, as pressing the button
  // changes nothing on the screen.
  e.GotFocus = [this] { ShowFocusCue(GetKeyState(VK_TAB) < 0); };
  e.LostFocus = [this] { ShowFocusCue(false); };
  e.BeforePaint = [this] {
    if (stale_) Draw();
  };
}

void ColorButton::ShowFocusCue(bool shown) {
  clickKey_ = 0;
  if (shown == focusCue_) return;
  focusCue_ = shown;
  Refresh();
}

// Space or Enter, pressed and released on the focused button, clicks it, as
// on any push button. Held down, the key repeats its KeyDown but clicks once.
void ColorButton::OnKeyDown(int key) {
  RaiseEvent(Events.KeyDown);
  if (key == VK_SPACE || key == VK_RETURN) clickKey_ = key;
}

void ColorButton::OnKeyUp(int key) {
  RaiseEvent(Events.KeyUp);
  if (clickKey_ == 0 || key != clickKey_) return;
  clickKey_ = 0;
  RaiseEvent(Events.Click);
}

void ColorButton::SetCaption(const std::wstring& caption) {
  values_.Caption = caption;
  Refresh();
}

void ColorButton::SetBackColor(COLORREF color) {
  values_.BackColor = color;
  Refresh();
}

void ColorButton::SetBorderColor(COLORREF color) {
  values_.BorderColor = color;
  Refresh();
}

void ColorButton::SetPicture(PicturePtr picture) {
  values_.Picture = std::move(picture);
  Refresh();
}

void ColorButton::SetFont(FontPtr font) {
  values_.Font = std::move(font);
  Refresh();
}

void ColorButton::SetForeColor(COLORREF color) {
  values_.ForeColor = color;
  Refresh();
}

void ColorButton::ReadProperties(const PropertyBag& bag) {
  values_.ReadFrom(bag, surface_.Font());
  Refresh();
}

void ColorButton::WriteProperties(PropertyBag& bag) {
  values_.WriteTo(bag, surface_.Font());
  Refresh();
}

// A button that is not on the screen is drawn when it first shows, so that
// building a window draws each button once, not once for every property set.
void ColorButton::Refresh() {
  if (!IsWindowVisible(hwnd())) {
    stale_ = true;
    return;
  }
  Draw();
  surface_.Refresh();
}

void ColorButton::Draw() {
  stale_ = false;
  surface_.Cls();
  surface_.SetForeColor(values_.ForeColor);
  // The caption is always drawn in the surface's own font; only its weight follows the pointer.
  surface_.SetFontBold(IsMouseInside());
  surface_.SetBackColor(values_.BorderColor);  // the rim is what the face leaves of this
  DrawRoundShape(0, 0, R(ExactWidth()), R(ExactHeight()));
  DrawContent();
  DrawFocusCue();
}

// A dotted frame on the face.
void ColorButton::DrawFocusCue() {
  if (!focusCue_) return;
  const int inset = ScaleToDpi(kFocusInset, DpiOf(hwnd()));
  RECT frame{inset, inset, R(ExactWidth()) - inset, R(ExactHeight()) - inset};
  DrawFocusRect(surface_.hDC(), &frame);
}

void ColorButton::DrawRoundShape(int x1, int y1, int x2, int y2) {
  const int d = CornerSize(x2 - x1, y2 - y1);
  // Colours go to GDI as they are; the face is not translated.
  UniqueBrush face(CreateSolidBrush(values_.BackColor));
  UniqueRegion outline(CreateRoundRectRgn(x1, y1, x2, y2, d, d));
  // The window owns the region now; deleting it would corrupt the next frame.
  if (SetWindowRgn(hwnd(), outline.get(), TRUE)) outline.release();
  UniqueRegion inner(CreateRoundRectRgn(x1 + 1, y1 + 1, x2 - 1, y2 - 1, d, d));
  FillRgn(surface_.hDC(), inner.get(), face.get());
}

void ColorButton::DrawContent() {
  std::optional<PictureSize> picture;
  if (PictureIsValid(values_.Picture)) {
    picture = PictureSize{surface_.HiMetricToPixelsX(values_.Picture->Width()),
                          surface_.HiMetricToPixelsY(values_.Picture->Height())};
  }
  const std::wstring& caption = values_.Caption;
  const ContentLayout layout =
      LayoutContent(ExactWidth(), ExactHeight(), picture, !caption.empty(), surface_.TextHeight(caption));
  if (layout.picture) {
    const Box& p = *layout.picture;
    surface_.PaintPicture(*values_.Picture, p.left, p.top, p.right - p.left, p.bottom - p.top);
  }
  const std::wstring shown = DisplayCaption(caption);
  if (shown.empty()) return;
  RECT box{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
  // Not clipped to the box: the window region is the only clip.
  DrawTextW(surface_.hDC(), shown.c_str(), int(shown.size()), &box, DT_CENTER);
}

bool ColorButton::PictureIsValid(const PicturePtr& picture) {
  return picture && picture->Handle() != 0 && picture->Width() > 0 && picture->Height() > 0;
}

// The whole client rectangle counts, the cut-away corners too.
bool ColorButton::IsMouseInside() const {
  POINT at{};
  if (!GetCursorPos(&at)) return false;
  ScreenToClient(hwnd(), &at);
  RECT client{};
  GetClientRect(hwnd(), &client);
  return PtInRect(&client, at) != FALSE;
}

void ColorButton::OnSurfaceMouseMove() {
  if (!tmrUpdate_.Enabled()) {
    tmrUpdate_.SetEnabled(true);
    RaiseEvent(Events.MouseIn);
  }
  RaiseEvent(Events.MouseMove);
}

// The surface reports no movement once the pointer is outside, so leaving is noticed here.
void ColorButton::OnHoverTick() {
  Refresh();
  if (!IsMouseInside()) {
    tmrUpdate_.SetEnabled(false);
    RaiseEvent(Events.MouseOut);
  }
}

}  // namespace oravin
