// ListBoxEX painting: background, rows, icon and selection bar into rowSurface's image.
#include <windows.h>

#include <olectl.h>

#include <string>

#include "controls/listboxex/list_gradient.h"
#include "controls/listboxex/listboxex.h"

namespace oravin {
namespace {

// A colour reference as RGB, system colours resolved; -1 when it names none.
int32_t TranslateColor(COLORREF color) {
  COLORREF rgb = 0;
  return SUCCEEDED(OleTranslateColor(color, nullptr, &rgb)) ? static_cast<int32_t>(rgb) : -1;
}

bool PictureIsValid(const PicturePtr& picture) {
  return picture && picture->Handle() != 0 && picture->Width() != 0 && picture->Height() != 0;
}

RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// Rows are padded with a space on each side.
void DrawRowText(HDC dc, const std::wstring& text, RECT area, UINT format) {
  const std::wstring padded = L" " + text + L" ";
  DrawTextW(dc, padded.c_str(), static_cast<int>(padded.size()), &area, format);
}

}  // namespace

void ListBoxEX::DrawItems() {
  EnsureSelectionVisible();
  RequestPaint();
}

void ListBoxEX::Paint() {
  DrawBackground();
  rowSurface_.SetForeColor(foreColor_);
  rowSurface_.SetFont(font_);
  if (PictureIsValid(picture_)) rowSurface_.SetPicture(picture_);
  const RowLayout row = CurrentRowLayout();
  const int right = rowSurface_.ClientWidth();
  HDC dc = rowSurface_.ImageDC();
  // Only whole visible rows: a paint costs the same for 10 items or 32,767.
  const int32_t rows = RowsToDraw(topIndex_, visibleCount_, ItemCount());
  for (int32_t k = 0; k < rows; ++k) DrawRow(dc, row, topIndex_ + k, k * itemHeight_, right);
  if (ItemCount() > 0) DrawSelection(row, right);
  rowSurface_.Refresh();
  SyncScrollBar();
}

void ListBoxEX::DrawBackground() {
  rowSurface_.ClearImage();
  if (gradient_ == GradientDirection::None) {
    rowSurface_.SetBackColor(startColor_);  // untranslated: the surface resolves system colours itself
    return;
  }
  const GradientEnds ends = ChooseGradientEnds(colors_, rightLeft_, TranslateColor(startColor_),
                                               TranslateColor(endColor_), TranslateColor(GetSysColor(COLOR_MENU)));
  const int width = rowSurface_.ClientWidth(), height = rowSurface_.ClientHeight();
  const int extent = gradient_ == GradientDirection::LeftToRight ? width : height;
  if (extent <= 0) return;
  GradientSteps steps(ends.from, ends.to, extent);
  HDC dc = rowSurface_.ImageDC();
  // The DC brush takes a new colour per column without creating a GDI object each time.
  const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
  for (int i = 0; i <= extent; ++i) {
    SetDCBrushColor(dc, steps.Next());
    const RECT line =
        gradient_ == GradientDirection::LeftToRight ? RECT{i, 0, i + 1, height} : RECT{0, i, width, i + 1};
    FillRect(dc, &line, brush);
  }
}

RowLayout ListBoxEX::CurrentRowLayout() {
  if (!PictureIsValid(listIcon_)) return LayoutRow(itemHeight_, std::nullopt, stretchIcon_);
  const IconPixels icon{rowSurface_.DesignToPixels(listIcon_->Width()), rowSurface_.DesignToPixels(listIcon_->Height())};
  return LayoutRow(itemHeight_, icon, stretchIcon_);
}

void ListBoxEX::DrawRow(HDC dc, const RowLayout& row, int32_t item, int top, int right) {
  DrawRowText(dc, items_.ItemText(item), RECT{row.textLeft, top, right, top + itemHeight_}, textAlignment_);
  if (row.hasIcon) listIcon_->Render(dc, row.iconX, top + row.iconYOffset, row.iconWidth, row.iconHeight);
}

// Drawn over the rows. A selection scrolled out of view draws outside the surface.
void ListBoxEX::DrawSelection(const RowLayout& row, int right) {
  const PixelRect bar = SelectionBar(row, itemHeight_, SelectedIndex(), topIndex_, right, fullRowSelect_);
  const RECT barRect = ToRect(bar);
  rowSurface_.SetFillStyle(Surface::FillStyle::Solid);
  rowSurface_.SetFillColor(colors_ == ListColors::Own ? selColor_ : GetSysColor(COLOR_ACTIVECAPTION));
  HDC dc = rowSurface_.ImageDC();
  Rectangle(dc, bar.left, bar.top, bar.right, bar.bottom);  // filled, outlined in ForeColor
  DrawFocusRect(dc, &barRect);
  if (row.hasIcon) listIcon_->Render(dc, row.iconX, bar.top + row.iconYOffset, row.iconWidth, row.iconHeight);
  rowSurface_.SetForeColor(selForeColor_);
  dc = rowSurface_.ImageDC();
  DrawRowText(dc, Text(), RECT{row.textLeft, bar.top, right, bar.bottom}, textAlignment_);
  if (row.hasIcon && iconFocus_) {
    // The focus rectangle's dots take the text colour.
    rowSurface_.SetForeColor(foreColor_);
    dc = rowSurface_.ImageDC();
    const RECT frame = ToRect(IconFocusFrame(bar, itemHeight_));
    DrawFocusRect(dc, &frame);
  }
}

}  // namespace oravin
