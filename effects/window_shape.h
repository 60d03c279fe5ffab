#pragma once
// Gives a borderless form its rounded outline and paints its frame (a light
// rim, an orange band forming the title strip and border, a lighter panel).
#include "runtime/form.h"

namespace oravin {

// Uses the form's size at the moment of the call and paints into its
// persistent image, then refreshes it. Run it again whenever something replaced
// the window region (an opening animation does) or erased the image.
// False, with nothing done, when the form has no window or no image to draw on.
bool ShapeForm(Form& form);

}  // namespace oravin
