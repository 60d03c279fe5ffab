// ListBoxEX properties: defaults, changes and persistence through the host's property bag.
#include <utility>

#include "controls/listboxex/listboxex.h"

namespace oravin {
namespace {

constexpr COLORREF kForeColor = 0x80000012;  // the system's button text
constexpr COLORREF kSelColor = 0xFF8C1A;
constexpr COLORREF kSelForeColor = 0xFFFFFF;
constexpr COLORREF kStartColor = 0xFFD6AC;
constexpr COLORREF kEndColor = 0xFFFFFF;
constexpr bool kStrechIcon = false, kFullRowSelect = false, kIconFocus = true;
constexpr int32_t kAppearance = 1, kBorderStyle = 1, kSortOrder = 0, kTextAlignment = 0, kGradient = 1, kStyle = 0;

// Colours are kept in the bag as signed 32-bit values, as the host stores them.
int32_t Bagged(COLORREF color) { return static_cast<int32_t>(color); }
COLORREF ReadColor(const PropertyBag& bag, const wchar_t* key, COLORREF fallback) {
  return static_cast<COLORREF>(bag.Read<int32_t>(key, Bagged(fallback)));
}

}  // namespace

template <typename T>
void ListBoxEX::Change(T& field, T value, const wchar_t* name, bool relayout) {
  field = std::move(value);
  if (PropertyChanged) PropertyChanged(name);
  if (relayout) {
    Refresh();
  } else {
    DrawItems();
  }
}

void ListBoxEX::SetListIcon(PicturePtr picture) { Change(listIcon_, std::move(picture), L"ListIcon"); }
void ListBoxEX::SetPicture(PicturePtr picture) { Change(picture_, std::move(picture), L"Picture"); }
void ListBoxEX::SetFont(FontPtr font) { Change(font_, std::move(font), L"Font", true); }
void ListBoxEX::SetForeColor(COLORREF color) { Change(foreColor_, color, L"ForeColor"); }
void ListBoxEX::SetSelColor(COLORREF color) { Change(selColor_, color, L"SelColor"); }
void ListBoxEX::SetSelForeColor(COLORREF color) { Change(selForeColor_, color, L"SelForeColor"); }
void ListBoxEX::SetStrechIcon(bool value) { Change(strechIcon_, value, L"StrechIcon"); }
void ListBoxEX::SetFullRowSelect(bool value) { Change(fullRowSelect_, value, L"FullRowSelect"); }
void ListBoxEX::SetIconFocus(bool value) { Change(iconFocus_, value, L"IconFocus"); }
void ListBoxEX::SetStartColor(COLORREF color) { Change(startColor_, color, L"StartColor"); }
void ListBoxEX::SetEndColor(COLORREF color) { Change(endColor_, color, L"EndColor"); }
void ListBoxEX::SetGradient(int32_t value) { Change(gradient_, value, L"Gradient"); }
void ListBoxEX::SetTextAlignment(int32_t value) { Change(textAlignment_, value, L"TextAlignment"); }
void ListBoxEX::SetStyle(int32_t value) { Change(style_, value, L"Style"); }
void ListBoxEX::SetRightLeft(bool value) { Change(rightLeft_, value, L"RightLeft"); }

// The window's own frame changes; the rows are not repainted.
void ListBoxEX::SetAppearance(int32_t value) {
  appearance_ = value;
  ApplyFrame();
  if (PropertyChanged) PropertyChanged(L"Appearance");
}

void ListBoxEX::SetBorderStyle(int32_t value) {
  borderStyle_ = value;
  ApplyFrame();
  if (PropertyChanged) PropertyChanged(L"BorderStyle");
}

void ListBoxEX::InitProperties() {
  listIcon_ = nullptr;
  picture_ = nullptr;
  font_ = ambientFont_;
  foreColor_ = kForeColor;
  selColor_ = kSelColor;
  selForeColor_ = kSelForeColor;
  strechIcon_ = kStrechIcon;
  appearance_ = kAppearance;
  borderStyle_ = kBorderStyle;
  fullRowSelect_ = kFullRowSelect;
  items_.StoreSortOrder(kSortOrder);
  iconFocus_ = kIconFocus;
  startColor_ = kStartColor;
  endColor_ = kEndColor;
  gradient_ = kGradient;
  textAlignment_ = kTextAlignment;
  style_ = kStyle;
  ApplyFrame();
  Refresh();
}

void ListBoxEX::ReadProperties(const PropertyBag& bag) {
  picture_ = bag.Read<PicturePtr>(L"Picture", nullptr);
  listIcon_ = bag.Read<PicturePtr>(L"ListIcon", nullptr);
  font_ = bag.Read<FontPtr>(L"Font", ambientFont_);
  foreColor_ = ReadColor(bag, L"ForeColor", kForeColor);
  selColor_ = ReadColor(bag, L"SelColor", kSelColor);
  selForeColor_ = ReadColor(bag, L"SelForeColor", kSelForeColor);
  strechIcon_ = bag.Read<bool>(L"StrechIcon", kStrechIcon);
  SetAppearance(bag.Read<int32_t>(L"Appearance", kAppearance));
  SetBorderStyle(bag.Read<int32_t>(L"BorderStyle", kBorderStyle));
  fullRowSelect_ = bag.Read<bool>(L"FullRowSelect", kFullRowSelect);
  items_.StoreSortOrder(bag.Read<int32_t>(L"SortOrder", kSortOrder));
  iconFocus_ = bag.Read<bool>(L"IconFocus", kIconFocus);
  textAlignment_ = bag.Read<int32_t>(L"TextAlignment", kTextAlignment);
  startColor_ = ReadColor(bag, L"StartColor", kStartColor);
  endColor_ = ReadColor(bag, L"EndColor", kEndColor);
  gradient_ = bag.Read<int32_t>(L"Gradient", kGradient);
  style_ = bag.Read<int32_t>(L"Style", kStyle);
  DrawItems();
}

// RightLeft and the selection are never stored.
void ListBoxEX::WriteProperties(PropertyBag& bag) const {
  bag.Write<PicturePtr>(L"ListIcon", listIcon_, nullptr);
  bag.Write<PicturePtr>(L"Picture", picture_, nullptr);
  bag.Write<FontPtr>(L"Font", font_, ambientFont_);
  bag.Write<int32_t>(L"ForeColor", Bagged(foreColor_), Bagged(kForeColor));
  bag.Write<int32_t>(L"SelColor", Bagged(selColor_), Bagged(kSelColor));
  bag.Write<int32_t>(L"SelForeColor", Bagged(selForeColor_), Bagged(kSelForeColor));
  bag.Write<bool>(L"StrechIcon", strechIcon_, kStrechIcon);
  bag.Write<int32_t>(L"Appearance", appearance_, kAppearance);
  bag.Write<int32_t>(L"BorderStyle", borderStyle_, kBorderStyle);
  bag.Write<bool>(L"FullRowSelect", fullRowSelect_, kFullRowSelect);
  bag.Write<int32_t>(L"SortOrder", items_.SortOrder(), kSortOrder);
  bag.Write<bool>(L"IconFocus", iconFocus_, kIconFocus);
  bag.Write<int32_t>(L"TextAlignment", textAlignment_, kTextAlignment);
  bag.Write<int32_t>(L"StartColor", Bagged(startColor_), Bagged(kStartColor));
  bag.Write<int32_t>(L"EndColor", Bagged(endColor_), Bagged(kEndColor));
  bag.Write<int32_t>(L"Gradient", gradient_, kGradient);
  bag.Write<int32_t>(L"Style", style_, kStyle);
}

}  // namespace oravin
