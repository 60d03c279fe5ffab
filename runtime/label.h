#pragma once
// A label: text in a font and colour on a solid or see-through background,
// with a click, an optional mouse pointer of its own and, for a link, a place
// in the tab order. Also serves as a
// one-pixel line, with no caption and the line's colour as background.
#include <functional>
#include <memory>
#include <string>

#include "runtime/child_control.h"
#include "runtime/window.h"

namespace oravin {

class Label : public Window, public Control {
 public:
  // No background of its own: what the parent draws shows through.
  static constexpr COLORREF kTransparent = 0xFFFFFFFF;

  struct Look {
    std::shared_ptr<oravin::Font> font;  // null: the system's
    COLORREF foreColor = 0x80000012;     // the system's button text
    COLORREF backColor = kTransparent;   // kTransparent shows what the parent draws behind it
    bool handPointer = false;  // the system's link pointer, else the arrow
    bool wordWrap = false;
    // A path too long for the label loses letters from its middle ("C:\...\Sync"),
    // and the window says so as a static control would (SS_PATHELLIPSIS), for
    // whoever checks that captions show whole.
    bool pathEllipsis = false;
    // A link the keyboard reaches: Tab gives it the focus, Enter or Space clicks it.
    bool tabStop = false;
  };

  bool Create(HWND parent, const LayoutRect& at, const std::wstring& caption, const Look& look);
  HWND hwnd() const override { return Window::hwnd(); }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool FontBold() const { return look_.font && look_.font->Bold; }
  void SetFontBold(bool bold);
  COLORREF ForeColor() const { return look_.foreColor; }

  std::function<void()> Click;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void DpiChanged() override { Changed(); }

 private:
  void OnPaint();
  void DrawFocus(HDC dc, const RECT& client);
  void OnKeyDown(WPARAM key, LPARAM flags);
  HFONT DrawingFont() const;
  UINT TextFormat() const;
  void Changed();

  std::wstring caption_;
  Look look_;
  UniqueFont gdiFont_;
  bool pressed_ = false;
};

// Lets a see-through child show what its parent draws at its place.
void PaintParentBackground(HWND child, HDC dc);
// Whether the child has shown its parent's drawing through (and must repaint when that changes).
bool ShowsParent(HWND child);

}  // namespace oravin
