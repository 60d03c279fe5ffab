#pragma once
// A drawing surface: a child window that keeps a persistent off-screen image.
// Its owner draws into the image (ImageDC, ClearImage, DrawPicture) and shows the result
// in one step with Refresh; the window repaints itself from the image whenever
// it is uncovered. A control drawn on it derives from it and handles the
// mouse, the keys and the focus in the virtual handlers. Measures in pixels.
#include <windows.h>

#include <memory>
#include <string_view>

#include "runtime/font.h"
#include "runtime/handles.h"
#include "runtime/persistent_image.h"
#include "runtime/picture.h"
#include "runtime/window.h"

namespace oravin {

// The buttons concerned: 1 left, 2 right, 4 middle.
struct MouseArgs {
  int button = 0;
  int x = 0, y = 0;  // pixels on the surface
};

using FontPtr = std::shared_ptr<Font>;

class Surface : public Window {
 public:
  enum class FillStyle { Solid, Transparent };

  Surface();
  // A visible child of parent at rect (pixels in the parent's client area), of
  // the given window class; a tab stop, Tab gives it the focus.
  bool Create(HWND parent, const RECT& rect, bool tabStop = false, const wchar_t* className = L"OravinSurface");

  int ClientWidth() const;
  int ClientHeight() const;
  // A length designed at 96 dpi in pixels of this surface, not rounded.
  double DesignToPixels(double designPixels);

  // The image's device context, with the surface's font, text colour
  // (ForeColor, transparent background), pen (ForeColor) and brush (FillColor) selected.
  HDC ImageDC();
  // Fills the image with BackColor and draws the background picture, if any, at the top-left corner.
  void ClearImage();
  // Shows the image on the screen now.
  void Refresh();

  COLORREF BackColor() const { return backColor_; }
  // A new background clears the image.
  void SetBackColor(COLORREF color);
  COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(COLORREF color) { foreColor_ = color; }
  COLORREF FillColor() const { return fillColor_; }
  void SetFillColor(COLORREF color) { fillColor_ = color; }
  FillStyle GetFillStyle() const { return fillStyle_; }
  void SetFillStyle(FillStyle style) { fillStyle_ = style; }

  // The font object itself: changes made through it reach the next drawing.
  const FontPtr& Font() const { return font_; }
  void SetFont(FontPtr font);
  void SetFontBold(bool bold) { font_->Bold = bold; }
  // Size of the text in the current font, in pixels; lines are broken at line feeds.
  int TextHeight(std::wstring_view text);
  int TextWidth(std::wstring_view text);

  // Background picture, drawn by ClearImage at its natural size.
  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);
  void DrawPicture(const oravin::Picture& picture, int x, int y, int width, int height);

  // The pointer over the surface; null for the arrow. The cursor stays its owner's.
  void SetMouseCursor(HCURSOR cursor) { cursor_ = cursor; }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  // What the user does on the surface. A press takes the focus and the capture.
  virtual void OnMouseDown(const MouseArgs&) {}
  virtual void OnMouseUp(const MouseArgs&) {}
  virtual void OnMouseMove(const MouseArgs&) {}
  // A left press and release over the surface; a left double click.
  virtual void OnClick() {}
  virtual void OnDoubleClick() {}
  virtual void OnKeyDown(int /*keyCode*/) {}
  virtual void OnKeyUp(int /*keyCode*/) {}
  virtual void OnFocusChanged(bool /*focused*/) {}
  // Just before the image goes to the screen, for an owner that draws late.
  virtual void BeforePaint() {}

 private:
  void SyncImageSize();
  void SelectDrawingObjects();
  SIZE MeasureText(std::wstring_view text);
  void Paint();
  void ButtonDown(int button, LPARAM lp);
  void ButtonUp(int button, WPARAM wp, LPARAM lp);
  void LeftDoubleClick();
  bool SetPointer(LPARAM lp);

  COLORREF backColor_ = 0x8000000F;  // the system's button face
  COLORREF foreColor_ = 0x80000012;  // the system's button text
  COLORREF fillColor_ = 0;
  FillStyle fillStyle_ = FillStyle::Transparent;
  FontPtr font_;
  PicturePtr picture_;
  HCURSOR cursor_ = nullptr;

  // Press state, so that a click needs its press here and the release that
  // follows a double click raises no second click.
  bool leftPressed_ = false;
  bool afterDoubleClick_ = false;

  // What is selected into the image: declared before the image so that the
  // image's device context is gone before they are deleted.
  oravin::Font madeFont_;
  int madeDpi_ = 0;
  UniqueFont gdiFont_;
  COLORREF penColor_ = 0;
  UniquePen pen_;
  COLORREF brushColor_ = 0;
  FillStyle brushStyle_ = FillStyle::Transparent;
  UniqueBrush brush_;
  PersistentImage image_;
};

}  // namespace oravin
