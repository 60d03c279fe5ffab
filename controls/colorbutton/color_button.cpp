#include "controls/colorbutton/color_button.h"

#include <stdexcept>

#include "controls/colorbutton/color_button_layout.h"
#include "runtime/dpi.h"

namespace oravin {
namespace {

constexpr wchar_t kClassName[] = L"Oravin.ColorButton";
// The focus rectangle lies this far inside the button's edge, on the face (at 96 dpi).
constexpr int kFocusInset = 3;

}  // namespace

ColorButton::ColorButton(HWND parent) {
  if (!Create(parent, RECT{}, true, kClassName)) throw std::runtime_error("the button window could not be created");
  Refresh();
}

double ColorButton::ExactWidth() const { return DesignToDpi(Width(), DpiOf(hwnd())); }
double ColorButton::ExactHeight() const { return DesignToDpi(Height(), DpiOf(hwnd())); }

LRESULT ColorButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_MOUSELEAVE) {
    OnMouseLeave();
    return 0;
  }
  return Surface::OnMessage(msg, wp, lp);
}

void ColorButton::BeforePaint() {
  if (stale_) Draw();
}

// Tab shows where the focus went (the key is still down when the focus
// arrives); a click gives the focus without a frame, as pressing the button
// changes nothing on the screen.
void ColorButton::OnFocusChanged(bool focused) { ShowFocusCue(focused && GetKeyState(VK_TAB) < 0); }

void ColorButton::ShowFocusCue(bool shown) {
  clickKey_ = 0;
  if (shown == focusCue_) return;
  focusCue_ = shown;
  Refresh();
}

void ColorButton::OnClick() {
  if (Click) Click();
}

// Space or Enter, pressed and released on the focused button, clicks it, as
// on any push button. Held down, the key repeats but clicks once.
void ColorButton::OnKeyDown(int key) {
  if (key == VK_SPACE || key == VK_RETURN) clickKey_ = key;
}

void ColorButton::OnKeyUp(int key) {
  if (clickKey_ == 0 || key != clickKey_) return;
  clickKey_ = 0;
  OnClick();
}

void ColorButton::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  Refresh();
}

void ColorButton::SetBackColor(COLORREF color) {
  backColor_ = color;
  Refresh();
}

void ColorButton::SetBorderColor(COLORREF color) {
  borderColor_ = color;
  Refresh();
}

void ColorButton::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  Refresh();
}

void ColorButton::SetForeColor(COLORREF color) {
  foreColor_ = color;
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
  Surface::Refresh();
}

void ColorButton::Draw() {
  stale_ = false;
  ClearImage();
  Surface::SetForeColor(foreColor_);
  // The caption is always drawn in the surface's own font; only its weight follows the pointer.
  SetFontBold(hovered_);
  Surface::SetBackColor(borderColor_);  // the rim is what the face leaves of this
  const int dpi = DpiOf(hwnd());
  DrawRoundShape(0, 0, ScaleToDpi(Width(), dpi), ScaleToDpi(Height(), dpi));
  DrawContent();
  DrawFocusCue();
}

// A dotted frame on the face.
void ColorButton::DrawFocusCue() {
  if (!focusCue_) return;
  const int dpi = DpiOf(hwnd());
  const int inset = ScaleToDpi(kFocusInset, dpi);
  RECT frame{inset, inset, ScaleToDpi(Width(), dpi) - inset, ScaleToDpi(Height(), dpi) - inset};
  DrawFocusRect(ImageDC(), &frame);
}

void ColorButton::DrawRoundShape(int x1, int y1, int x2, int y2) {
  const int d = CornerSize(x2 - x1, y2 - y1);
  // Colours go to GDI as they are; the face is not translated.
  UniqueBrush face(CreateSolidBrush(backColor_));
  UniqueRegion outline(CreateRoundRectRgn(x1, y1, x2, y2, d, d));
  // The window owns the region now; deleting it would corrupt the next frame.
  if (SetWindowRgn(hwnd(), outline.get(), TRUE)) outline.release();
  UniqueRegion inner(CreateRoundRectRgn(x1 + 1, y1 + 1, x2 - 1, y2 - 1, d, d));
  FillRgn(ImageDC(), inner.get(), face.get());
}

void ColorButton::DrawContent() {
  std::optional<PictureSize> picture;
  if (PictureIsValid(picture_)) {
    picture = PictureSize{DesignToPixels(picture_->Width()), DesignToPixels(picture_->Height())};
  }
  const ContentLayout layout =
      LayoutContent(ExactWidth(), ExactHeight(), picture, !caption_.empty(), TextHeight(caption_));
  if (layout.picture) {
    const Box& p = *layout.picture;
    DrawPicture(*picture_, p.left, p.top, p.right - p.left, p.bottom - p.top);
  }
  const std::wstring shown = DisplayCaption(caption_);
  if (shown.empty()) return;
  RECT box{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
  // Not clipped to the box: the window region is the only clip.
  DrawTextW(ImageDC(), shown.c_str(), int(shown.size()), &box, DT_CENTER);
}

bool ColorButton::PictureIsValid(const PicturePtr& picture) {
  return picture && picture->Handle() != 0 && picture->Width() > 0 && picture->Height() > 0;
}

// The first movement over the button asks Windows to say when the pointer leaves.
void ColorButton::OnMouseMove(const MouseArgs&) {
  if (hovered_) return;
  TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd(), 0};
  if (!TrackMouseEvent(&leave)) return;
  hovered_ = true;
  Refresh();
}

void ColorButton::OnMouseLeave() {
  hovered_ = false;
  Refresh();
}

}  // namespace oravin
