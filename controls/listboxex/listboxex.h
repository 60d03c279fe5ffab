#pragma once
// ListBoxEX: the program's owner-drawn single-selection list. Its own window
// holds the row surface and a scroll bar; every paint
// draws the background, the visible rows, the shared icon and the selection
// bar into rowSurface's image and shows it in one step.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "controls/listboxex/item_list.h"
#include "controls/listboxex/list_gradient.h"
#include "controls/listboxex/list_model.h"
#include "controls/listboxex/row_layout.h"
#include "runtime/child_control.h"
#include "runtime/control.h"
#include "runtime/font.h"
#include "runtime/message_box.h"
#include "runtime/picture.h"
#include "runtime/surface.h"
#include "runtime/window.h"

namespace oravin {

// The control's own frame: none, a line, or sunk into its parent.
enum class ListFrame { None, Line, Sunken };

struct ListBoxEXArgs {
  HWND parent = nullptr;
  LayoutRect at{};
  FontPtr font;  // of the rows; null: the system's
};

class ListBoxEX : public Control, public ItemList, private Window {
 public:
  // An item the list cannot take is told in a message box.
  explicit ListBoxEX(MessageBoxSink& messageBoxes);
  ~ListBoxEX() override;
  bool Create(const ListBoxEXArgs& args);

  // What the user did on the rows: a press that moved the selection (or a key,
  // also one that moved nothing), then a left click; a left double click.
  std::function<void()> SelectionChanged, Click, DoubleClick;

  // Items and selection.
  int32_t AddItem(const std::wstring& itemText, int32_t atIndex = -1, const std::wstring& itemKey = L"Null") override;
  void Remove(int32_t atIndex = -1) override;
  void Clear() override;
  void SetItems(std::vector<std::wstring> texts) override;
  int32_t ItemCount() const override { return items_.ItemCount(); }
  int32_t SelectedIndex() const override { return items_.SelectedIndex(); }
  void SetSelectedIndex(int32_t value) override { items_.SetSelectedIndex(value); }
  std::wstring Text() const override { return items_.Text(); }
  std::wstring ItemText(int32_t atIndex) const override { return items_.ItemText(atIndex); }
  // Replaces the text in place without re-sorting, and repaints.
  void SetItemText(int32_t atIndex, const std::wstring& text) { items_.SetItemText(atIndex, text); }
  int32_t SortOrder() const { return items_.SortOrder(); }
  void SetSortOrder(int32_t value) { items_.SetSortOrder(value); }

  // Lays out the row surface and the scroll bar for the current font and size, then paints.
  void Refresh();
  // Changes update the selection and the view at once; the pixels follow at
  // the next turn of the message loop, once for any number of changes, so
  // loading thousands of items does not paint thousands of times.
  bool PaintPending() const { return paintPending_; }

  // The control's own window, not rowSurface's: the one its owner animates.
  HWND hwnd() const override { return Window::hwnd(); }

  // Properties (a change repaints or re-lays out).
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
  bool StretchIcon() const { return stretchIcon_; }
  void SetStretchIcon(bool value);
  ListFrame Frame() const { return frame_; }
  void SetFrame(ListFrame frame);
  bool FullRowSelect() const { return fullRowSelect_; }
  void SetFullRowSelect(bool value);
  bool IconFocus() const { return iconFocus_; }
  void SetIconFocus(bool value);
  COLORREF StartColor() const { return startColor_; }
  void SetStartColor(COLORREF color);
  COLORREF EndColor() const { return endColor_; }
  void SetEndColor(COLORREF color);
  GradientDirection Gradient() const { return gradient_; }
  void SetGradient(GradientDirection direction);
  // DrawText's format flags for the rows' text (DT_LEFT, DT_CENTER, DT_RIGHT...).
  UINT TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(UINT format);
  ListColors Colors() const { return colors_; }
  void SetColors(ListColors colors);
  bool RightLeft() const { return rightLeft_; }
  void SetRightLeft(bool value);

  // Viewport state, for the host and for tests.
  int32_t ItemHeight() const { return itemHeight_; }
  int32_t VisibleCount() const { return visibleCount_; }
  int32_t TopIndex() const { return topIndex_; }
  bool FollowSelection() const { return followSelection_; }
  HWND rowSurface() const { return rowSurface_.hwnd(); }
  HWND ScrollBar() const { return vscroll_.get(); }

 protected:
  void Resize() override { Refresh(); }
  // The rows are under the pointer, not the control's own window.
  HWND ToolTipWindow() const override;

 private:
  // rowSurface: the rows, drawn in one step; what the user does on them goes to the list.
  class Rows : public Surface {
   public:
    explicit Rows(ListBoxEX& list) : list_(list) {}

   private:
    void OnMouseDown(const MouseArgs& args) override { list_.OnMouseDown(args); }
    void OnMouseMove(const MouseArgs& args) override { list_.OnMouseMove(args); }
    void OnClick() override { list_.Raise(list_.Click); }
    void OnDoubleClick() override { list_.Raise(list_.DoubleClick); }
    void OnKeyDown(int keyCode) override { list_.OnKeyDown(keyCode); }
    ListBoxEX& list_;
  };

  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool CreateChildren();
  void OnItemsChanged(ListChange change);
  template <typename T>
  void Change(T& field, T value, bool relayout = false);
  static void Raise(const std::function<void()>& handler) {
    if (handler) handler();
  }

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
  void EnsureSelectionVisible();
  void SetScrollValue(int32_t value);
  void OnMouseDown(const MouseArgs& args);
  void OnMouseMove(const MouseArgs& args);
  void OnKeyDown(int keyCode);
  void OnVScroll(WPARAM wp);
  static LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  void ApplyFrame();

  ListModel items_;
  Rows rowSurface_{*this};
  UniqueWindow vscroll_;

  PicturePtr listIcon_, picture_;
  FontPtr font_;
  COLORREF foreColor_ = 0x80000012;  // the system's button text
  COLORREF selColor_ = 0xFF8C1A, selForeColor_ = 0xFFFFFF, startColor_ = 0xFFD6AC, endColor_ = 0xFFFFFF;
  bool stretchIcon_ = false, fullRowSelect_ = false, iconFocus_ = true, rightLeft_ = false;
  ListFrame frame_ = ListFrame::Sunken;
  GradientDirection gradient_ = GradientDirection::LeftToRight;
  UINT textAlignment_ = DT_LEFT;
  ListColors colors_ = ListColors::System;

  int32_t itemHeight_ = 0, visibleCount_ = 0, topIndex_ = 0;
  int32_t scrollMaximum_ = 0;
  SCROLLINFO shownScroll_{};  // what the scroll bar shows
  bool followSelection_ = true;
  bool paintPending_ = false;
};

}  // namespace oravin
