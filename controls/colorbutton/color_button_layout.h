#pragma once
// Where a ColorButton puts its corners, its picture and its caption. Pixels
// throughout; every rounding is to the nearest integer, halves to even.
#include <optional>
#include <string>
#include <string_view>

namespace oravin {

// The corner ellipse of a rounded outline dx × dy: a fifth of its longer side.
int CornerSize(int dx, int dy);

// A picture's natural size in pixels, before rounding.
struct PictureSize {
  double width = 0, height = 0;
};

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Box&) const = default;
};

struct ContentLayout {
  std::optional<Box> picture;  // where the picture goes, when there is one
  Box caption;                 // the caption's rectangle; the text starts at its top, centred across it
  bool operator==(const ContentLayout&) const = default;
};

// Picture and caption centred on the face as one block, picture on top. The
// exact sizes are the button's size in pixels before rounding; captionHeight
// is the caption's height in the drawing font (only used for a non-empty caption
// when there is a picture).
ContentLayout LayoutContent(double exactWidth, double exactHeight, const std::optional<PictureSize>& picture,
                            bool hasCaption, double captionHeight);

// The stored captions end in one blank for each double-byte character
// ("添加  "), which a byte-counted ANSI drawing left undrawn. Drawing in
// Unicode, those blanks are taken off so the text is centred the same on every
// code page; any other blank stays. Non-ASCII characters are the double-byte ones.
std::wstring DisplayCaption(std::wstring_view caption);

}  // namespace oravin
