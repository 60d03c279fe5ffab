// ListBoxEX properties: each change repaints, or lays the rows out again.
#include <utility>

#include "controls/listboxex/listboxex.h"

namespace oravin {

template <typename T>
void ListBoxEX::Change(T& field, T value, bool relayout) {
  field = std::move(value);
  if (relayout) {
    Refresh();
  } else {
    DrawItems();
  }
}

void ListBoxEX::SetListIcon(PicturePtr picture) { Change(listIcon_, std::move(picture)); }
void ListBoxEX::SetPicture(PicturePtr picture) { Change(picture_, std::move(picture)); }
void ListBoxEX::SetFont(FontPtr font) { Change(font_, std::move(font), true); }
void ListBoxEX::SetForeColor(COLORREF color) { Change(foreColor_, color); }
void ListBoxEX::SetSelColor(COLORREF color) { Change(selColor_, color); }
void ListBoxEX::SetSelForeColor(COLORREF color) { Change(selForeColor_, color); }
void ListBoxEX::SetStretchIcon(bool value) { Change(stretchIcon_, value); }
void ListBoxEX::SetFullRowSelect(bool value) { Change(fullRowSelect_, value); }
void ListBoxEX::SetIconFocus(bool value) { Change(iconFocus_, value); }
void ListBoxEX::SetStartColor(COLORREF color) { Change(startColor_, color); }
void ListBoxEX::SetEndColor(COLORREF color) { Change(endColor_, color); }
void ListBoxEX::SetGradient(GradientDirection direction) { Change(gradient_, direction); }
void ListBoxEX::SetTextAlignment(UINT format) { Change(textAlignment_, format); }
void ListBoxEX::SetColors(ListColors colors) { Change(colors_, colors); }
void ListBoxEX::SetRightLeft(bool value) { Change(rightLeft_, value); }

// The window's own frame changes; the rows are not repainted.
void ListBoxEX::SetFrame(ListFrame frame) {
  frame_ = frame;
  ApplyFrame();
}

}  // namespace oravin
