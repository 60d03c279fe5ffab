#pragma once
// The two-colour background of the list: colour arithmetic without a window.
#include <cstdint>

namespace oravin {

// Components of an RGB value (red in the low byte) as reals, as the gradient
// sums them. A negative value (a colour that could not be translated) keeps
// the sign in red, as integer remainders do.
struct ColorParts {
  double red = 0, green = 0, blue = 0;
};
ColorParts SplitColor(int32_t rgb);

// The colours the gradient runs between, already translated to RGB.
struct GradientEnds {
  int32_t from = 0, to = 0;
};
// Style 1: StartColor and EndColor; otherwise the menu colour and white. The
// gradient runs from the second towards the first unless rightLeft.
GradientEnds ChooseGradientEnds(int32_t style, bool rightLeft, int32_t startColor, int32_t endColor,
                                int32_t menuColor);

// The pen colours of a gradient over `extent` pixel columns (or rows), one
// call per column from the first: each column already carries one more step of
// change, so the first differs from `from` by one step and the far colour is
// reached one pixel past the extent. Sums are carried unrounded; each pen
// colour is rounded (halves to even) and limited to 0..255 per component.
class GradientSteps {
 public:
  // extent must be positive.
  GradientSteps(int32_t from, int32_t to, int extent);
  // The next column's colour as 0x00BBGGRR.
  uint32_t Next();

 private:
  ColorParts current_, step_;
};

}  // namespace oravin
