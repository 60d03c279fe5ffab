#include "effects/window_shape.h"

#include "effects/form_frame.h"
#include "runtime/dpi.h"
#include "runtime/handles.h"

namespace oravin {
namespace {

UniqueRegion RoundRegion(const RoundRect& r) {
  return UniqueRegion(CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, r.ellipse, r.ellipse));
}

}  // namespace

bool ShapeForm(Form& form) {
  const HWND window = form.hwnd();
  if (!window) return false;
  const int sw = form.ClientWidth(), sh = form.ClientHeight();
  const HDC dc = form.ImageDC();
  if (!dc) return false;

  const int dpi = DpiOf(window);
  UniqueRegion outline = RoundRegion(FormOutline(sw, sh, dpi));
  // The window owns the region now; deleting it would break the window's shape.
  if (SetWindowRgn(window, outline.get(), TRUE)) outline.release();

  for (const FrameLayer& layer : FrameLayers(sw, sh, dpi)) {
    UniqueBrush brush(CreateSolidBrush(layer.color));
    FillRgn(dc, RoundRegion(layer.shape).get(), brush.get());
  }
  form.Refresh();
  return true;
}

}  // namespace oravin
