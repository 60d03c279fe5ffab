#pragma once
// ListBoxEX: the program's owner-drawn single-selection list. Its own window
// holds the drawing surface picDraw and the scroll bar VScroll; every paint
// draws the background, the visible rows, the shared icon and the selection
// bar into picDraw's image and shows it in one step.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "controls/listboxex/item_list.h"
#include "controls/listboxex/list_model.h"
#include "controls/listboxex/row_layout.h"
#include "runtime/child_control.h"
#include "runtime/control.h"
#include "runtime/font.h"
#include "runtime/picture.h"
#include "runtime/property_bag.h"
#include "runtime/surface.h"
#include "runtime/window.h"

namespace oravin {

// The six events, in their declaration order (hosts bind them by position).
// The mouse arguments are handed over by reference, as picDraw reported them.
struct ListBoxEXEvents {
  using MouseHandler = std::function<void(int16_t& Button, int16_t& Shift, float& x, float& y)>;
  std::function<void()> MouseClick;
  std::function<void()> SelChange;
  std::function<void()> DbClick;
  MouseHandler MouseUp;
  MouseHandler MouseMove;
  MouseHandler MouseDown;
};

struct ListBoxEXArgs {
  HWND parent = nullptr;
  TwipsRect at{};
  FontPtr ambientFont;               // the host's font, the default Font
  const PropertyBag* saved = nullptr;  // settings to restore; none: a new control with the defaults
};

class ListBoxEX : public Control, public ItemList, private Window {
 public:
  ListBoxEX();
  ~ListBoxEX() override;
  bool Create(const ListBoxEXArgs& args);

  ListBoxEXEvents Events;
  // The host's property-changed notification, with the property's name.
  std::function<void(const wchar_t* name)> PropertyChanged;

  // Items and selection.
  int32_t AddItem(const std::wstring& vText, int32_t vIndex = -1, const std::wstring& vKey = L"Null") override;
  void Remove(int32_t vIndex = -1) override;
  void Clear() override;
  void SetItems(std::vector<std::wstring> texts) override;
  int32_t ListCount() const override { return items_.ListCount(); }
  int32_t ListIndex() const override { return items_.ListIndex(); }
  void SetListIndex(int32_t value) override { items_.SetListIndex(value); }
  std::wstring Text() const override { return items_.Text(); }
  std::wstring ListItems(int32_t vIndex) const override { return items_.ListItems(vIndex); }
  // Replaces the text in place without re-sorting, and repaints.
  void SetListItems(int32_t vIndex, const std::wstring& text) { items_.SetListItems(vIndex, text); }
  int32_t SortOrder() const { return items_.SortOrder(); }
  void SetSortOrder(int32_t value) { items_.SetSortOrder(value); }

  // Lays out picDraw and VScroll for the current font and size, then paints.
  void Refresh();
  // Changes update the selection and the view at once; the pixels follow at
  // the next turn of the message loop, once for any number of changes, so
  // loading thousands of items does not paint thousands of times.
  bool PaintPending() const { return paintPending_; }

  // The control's own window, not picDraw's.
  HWND hwnd() const override { return Window::hwnd(); }
  int32_t Hwnd() const { return static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd())); }

  // Properties (a change notifies the host, then repaints or re-lays out).
  const PicturePtr& ListIcon() const { return listIcon_; }
  void SetListIcon(PicturePtr picture);
  const PicturePtr& Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);
  const FontPtr& Font() const { return font_; }
  void SetFont(FontPtr font);
  COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(COLORREF color);
  COLORREF SelColor() const { return selColor_; }
  void SetSelColor(COLORREF color);
  COLORREF SelForeColor() const { return selForeColor_; }
  void SetSelForeColor(COLORREF color);
  bool StrechIcon() const { return strechIcon_; }
  void SetStrechIcon(bool value);
  int32_t Appearance() const { return appearance_; }
  void SetAppearance(int32_t value);
  int32_t BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int32_t value);
  bool FullRowSelect() const { return fullRowSelect_; }
  void SetFullRowSelect(bool value);
  bool IconFocus() const { return iconFocus_; }
  void SetIconFocus(bool value);
  COLORREF StartColor() const { return startColor_; }
  void SetStartColor(COLORREF color);
  COLORREF EndColor() const { return endColor_; }
  void SetEndColor(COLORREF color);
  int32_t Gradient() const { return gradient_; }
  void SetGradient(int32_t value);
  int32_t TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(int32_t value);
  int32_t Style() const { return style_; }
  void SetStyle(int32_t value);
  bool RightLeft() const { return rightLeft_; }
  void SetRightLeft(bool value);

  // Persistence through the host's property bag.
  void InitProperties();
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  // Viewport state, for the host and for tests.
  int32_t ItemHeight() const { return itemHeight_; }
  int32_t VisibleCount() const { return visibleCount_; }
  int32_t TopIndex() const { return topIndex_; }
  bool FollowSelection() const { return followSelection_; }
  HWND picDraw() const { return picDraw_.hwnd(); }
  HWND VScroll() const { return vscroll_.get(); }

 protected:
  void Resize() override { Refresh(); }
  // The rows are under the pointer, not the control's own window.
  HWND ToolTipWindow() const override;

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool CreateChildren();
  void OnItemsChanged(ListChange change);
  template <typename T>
  void Change(T& field, T value, const wchar_t* name, bool relayout = false);

  void Layout();
  void Place(HWND child, const RECT& rect, bool visible);
  void SetScrollMaximum(int32_t maximum);
  void SyncScrollBar();

  // Painting (listboxex_paint.cpp).
  void DrawItems();
  void RequestPaint();
  void Paint();
  void DrawBackground();
  RowLayout CurrentRowLayout();
  void DrawRow(HDC dc, const RowLayout& row, int32_t item, int top, int right);
  void DrawSelection(const RowLayout& row, int right);

  // Input and scrolling (listboxex_input.cpp).
  void WireSurfaceEvents();
  void EnsureSelectionVisible();
  void SetScrollValue(int32_t value);
  void OnMouseDown(const MouseArgs& args);
  void OnMouseMove(const MouseArgs& args);
  void OnKeyDown(int keyCode);
  void OnVScroll(WPARAM wp);
  void RaiseMouse(const ListBoxEXEvents::MouseHandler& handler, const MouseArgs& args);
  static LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  void ApplyFrame();

  ListModel items_;
  Surface picDraw_;
  UniqueWindow vscroll_;
  FontPtr ambientFont_;

  PicturePtr listIcon_, picture_;
  FontPtr font_;
  COLORREF foreColor_ = 0, selColor_ = 0, selForeColor_ = 0, startColor_ = 0, endColor_ = 0;  // set by InitProperties or ReadProperties
  bool strechIcon_ = false, fullRowSelect_ = false, iconFocus_ = true, rightLeft_ = false;
  int32_t appearance_ = 1, borderStyle_ = 1, gradient_ = 1, textAlignment_ = 0, style_ = 0;

  int32_t itemHeight_ = 0, visibleCount_ = 0, topIndex_ = 0;
  int32_t scrollMaximum_ = 0;
  SCROLLINFO shownScroll_{};  // what VScroll shows
  bool followSelection_ = true;
  bool paintPending_ = false;
};

}  // namespace oravin
