#pragma once
// A font as a window declares it: name, size in points, weight and character
// set. The GDI font is made from it at each window's DPI (runtime/font_win32.h).
#include <string>
#include <utility>


namespace oravin {

inline constexpr int kGb2312Charset = 134;

class Font final {
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
