#include "runtime/font_win32.h"

#include "runtime/rounding.h"

namespace oravin {
namespace {
constexpr double kPointsPerInch = 72.0;
}

UniqueFont CreateGdiFont(const Font& font, int dotsPerInchY) {
  LOGFONTW lf{};
  // A negative height asks for the character height, which is what a point size means.
  lf.lfHeight = -R(font.Size * dotsPerInchY / kPointsPerInch);
  lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = BYTE(font.Charset);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(lf.lfFaceName, font.Name.c_str(), LF_FACESIZE);
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace oravin
