#pragma once
// Standard Windows controls (push, check and radio buttons, text boxes) on a
// window. Windows tells the parent about them (WM_COMMAND,
// WM_CTLCOLOR*); the parent hands those messages back with ReflectToChild so
// each control handles its own.
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/control.h"
#include "runtime/design_scale.h"
#include "runtime/font.h"
#include "runtime/handles.h"

namespace oravin {

class ChildControl : public Control {
 public:
  ~ChildControl() override;
  HWND hwnd() const override { return hwnd_.get(); }

  // The font of the control's text; null keeps the system's.
  void SetFont(std::shared_ptr<oravin::Font> font);
  const std::shared_ptr<oravin::Font>& Font() const { return font_; }

  // Brings the control in front of its siblings.
  void MoveToFront();

  // A notification or colour request about this control, sent to its parent.
  virtual bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 protected:
  // Creates a window of a system class at its place.
  bool CreateChild(const wchar_t* windowClass, DWORD style, HWND parent, const LayoutRect& at,
                   const std::wstring& text);
  // The font again, at the window's new DPI.
  void DpiChanged() override;
  // Answers WM_CTLCOLOR* with the given colours.
  LRESULT Colors(HDC dc, COLORREF back, COLORREF fore);

 private:
  std::shared_ptr<oravin::Font> font_;
  UniqueFont gdiFont_;
  UniqueBrush backBrush_;
  COLORREF brushColor_ = CLR_INVALID;
  // Last, so the window is gone before the font and brush it uses.
  UniqueWindow hwnd_;
};

// For a parent's window procedure: true when the message was about a child
// control and that control handled it.
bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace oravin
