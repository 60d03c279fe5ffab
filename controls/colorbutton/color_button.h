#pragma once
// ColorButton: a flat rounded push button, a window class of its own. A face
// of BackColor inside a one-pixel rim of BorderColor, an optional picture
// above an optional caption in ForeColor, the caption bold while the pointer
// is over the button. There is no pressed look. It reports a click (a left
// press and release over it, or Space or Enter on it) through Click.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "runtime/control.h"
#include "runtime/picture.h"
#include "runtime/surface.h"

namespace oravin {

inline constexpr wchar_t kDefaultCaption[] = L"ColorButton";
inline constexpr uint32_t kDefaultBackColor = 0x0000FF;  // red
inline constexpr uint32_t kDefaultBorderColor = 0x000000;
inline constexpr uint32_t kDefaultForeColor = 0xFFFFFF;  // white

class ColorButton : private Surface, public Control {
 public:
  // Throws std::runtime_error when Windows refuses the window.
  explicit ColorButton(HWND parent);

  HWND hwnd() const override { return Surface::hwnd(); }

  // Each setter repaints at once, also when the value does not change.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  COLORREF BackColor() const { return backColor_; }
  void SetBackColor(COLORREF color);
  COLORREF BorderColor() const { return borderColor_; }
  void SetBorderColor(COLORREF color);
  // Shared, not copied.
  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);
  COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(COLORREF color);
  // Repaints now: shape, face, picture and caption, shown in one step.
  void Refresh();
  bool Hovered() const { return hovered_; }

  std::function<void()> Click;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Resize() override { Refresh(); }
  void DpiChanged() override { Refresh(); }
  void OnMouseMove(const MouseArgs&) override;
  void OnClick() override;
  void OnKeyDown(int key) override;
  void OnKeyUp(int key) override;
  void OnFocusChanged(bool focused) override;
  void BeforePaint() override;

 private:
  void Draw();
  void DrawRoundShape(int x1, int y1, int x2, int y2);
  void DrawContent();
  static bool PictureIsValid(const PicturePtr& picture);
  // The size at the window's DPI, before rounding: where the picture and caption are centred.
  double ExactWidth() const;
  double ExactHeight() const;
  void DrawFocusCue();
  void ShowFocusCue(bool shown);
  void OnMouseLeave();

  std::wstring caption_ = kDefaultCaption;
  COLORREF backColor_ = kDefaultBackColor, borderColor_ = kDefaultBorderColor, foreColor_ = kDefaultForeColor;
  PicturePtr picture_;
  bool hovered_ = false;  // from the first movement over the button until Windows says the pointer left
  int clickKey_ = 0;  // Space or Enter while held down on the button
  bool focusCue_ = false;
  bool stale_ = false;  // changed while off the screen: drawn when it first shows
};

}  // namespace oravin
