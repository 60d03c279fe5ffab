#pragma once
// A font as the forms describe it: shared by reference between a control, its
// drawing surface and the property bag, so a change made through one holder is
// seen by all. The GDI font is made from it on demand (runtime/font_win32.h).
#include <string>

#include "runtime/property_bag.h"

namespace oravin {

inline constexpr int kGb2312Charset = 134;

class Font final : public SharedObject {
 public:
  Font() = default;
  Font(std::wstring name, double size, bool bold = false, int charset = kGb2312Charset)
      : Name(std::move(name)), Size(size), Bold(bold), Charset(charset) {}

  // Whether both would give the same GDI font.
  bool SameLook(const Font& other) const {
    return Name == other.Name && Size == other.Size && Bold == other.Bold && Charset == other.Charset;
  }

  std::wstring Name = L"宋体";
  double Size = 9;  // points
  bool Bold = false;
  int Charset = kGb2312Charset;
};

}  // namespace oravin
