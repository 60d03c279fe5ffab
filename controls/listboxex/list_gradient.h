#pragma once
// The two-colour background of the list: colour arithmetic without a window.
#include <cstdint>

namespace oravin {

// Whose colours the list draws in: the system's (white and the menu colour,
// the caption colour for the selection) or its own start, end and selection colours.
enum class ListColors : int32_t { System, Own };

// Which way the background runs from one colour to the other; None fills it with the start colour.
enum class GradientDirection : int32_t { None, LeftToRight, TopToBottom };

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
// The list's own colours: the start and end colours; the system's: the menu
// colour and white. The gradient runs from the second towards the first unless rightLeft.
GradientEnds ChooseGradientEnds(ListColors colors, bool rightLeft, int32_t startColor, int32_t endColor,
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
