#pragma once
// ColorButton: a flat rounded push button. A face of BackColor inside a
// one-pixel rim of BorderColor, an optional picture above an optional caption
// in ForeColor, the caption bold while the pointer is over the button. There
// is no pressed look. Forms store instances as "Oravin.ColorButton".
#include <windows.h>

#include <functional>
#include <string>

#include "controls/colorbutton/color_button_values.h"
#include "runtime/control.h"
#include "runtime/picture.h"
#include "runtime/property_bag.h"
#include "runtime/surface.h"
#include "runtime/timer.h"

namespace oravin {

// The events, in declaration order (hosts bind them by position). None
// carries arguments: which key or button it was is not passed on. Space or
// Enter released on the focused button raises Click after KeyUp.
struct ColorButtonEvents {
  std::function<void()> Click;      // 1: a left press and release over the button, or Space or Enter
  std::function<void()> DbClick;    // 2: a left double click
  std::function<void()> MouseIn;    // 3: the pointer has come in
  std::function<void()> MouseOut;   // 4: the pointer has gone (noticed by the hover timer)
  std::function<void()> MouseMove;  // 5: every movement over the button
  std::function<void()> MouseDown;  // 6: any button pressed
  std::function<void()> MouseUp;    // 7: any button released
  std::function<void()> KeyPress;   // 8: a character key while focused
  std::function<void()> KeyUp;      // 9
  std::function<void()> KeyDown;    // 10
};

class ColorButton : public Control {
 public:
  // Reads its window's scale, then sets the four defaults through their
  // setters. Throws std::runtime_error when Windows refuses the window.
  explicit ColorButton(HWND parent);

  HWND hwnd() const override { return surface_.hwnd(); }

  // Each setter repaints at once, also when the value does not change.
  const std::wstring& Caption() const { return values_.Caption; }
  void SetCaption(const std::wstring& caption);
  COLORREF BackColor() const { return values_.BackColor; }
  void SetBackColor(COLORREF color);
  COLORREF BorderColor() const { return values_.BorderColor; }
  void SetBorderColor(COLORREF color);
  // Shared, not copied.
  const PicturePtr& Picture() const { return values_.Picture; }
  void SetPicture(PicturePtr picture);
  const FontPtr& Font() const { return values_.Font; }
  void SetFont(FontPtr font);
  COLORREF ForeColor() const { return values_.ForeColor; }
  void SetForeColor(COLORREF color);
  // Repaints now: shape, face, picture and caption, shown in one step.
  void Refresh();

  ColorButtonEvents Events;

  // Host callbacks. A new instance keeps the values from its creation.
  void InitProperties() {}
  // Throws PropertyTypeError for a stored value of the wrong type; what was read before stays.
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag);

 protected:
  void Resize() override { Refresh(); }
  void DpiChanged() override;

 private:
  void Draw();
  void DrawRoundShape(int x1, int y1, int x2, int y2);
  void DrawContent();
  bool IsMouseInside() const;
  static bool PictureIsValid(const PicturePtr& picture);
  double ExactWidth() const { return double(Width()) / scaleX_; }
  double ExactHeight() const { return double(Height()) / scaleY_; }
  void BindSurfaceEvents();
  void DrawFocusCue();
  void ShowFocusCue(bool shown);
  void OnSurfaceMouseMove();
  void OnHoverTick();
  void OnKeyDown(int key);
  void OnKeyUp(int key);

  Surface surface_;
  Timer tmrUpdate_;  // hover: on while the pointer is over the button
  double scaleX_ = 0, scaleY_ = 0;  // twips per pixel
  int clickKey_ = 0;  // Space or Enter while held down on the button
  bool focusCue_ = false;
  bool stale_ = false;  // changed while off the screen: drawn when it first shows
  ColorButtonValues<oravin::Picture> values_;
};

}  // namespace oravin
