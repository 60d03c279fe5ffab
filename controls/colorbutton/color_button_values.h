#pragma once
// The values a ColorButton keeps and how they go into and come out of the
// host's property bag. Window-free: the picture type is a parameter, so the
// persistence rules are tested without a window.
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/font.h"
#include "runtime/property_bag.h"

namespace oravin {

inline constexpr wchar_t kDefaultCaption[] = L"ColorButton";
inline constexpr uint32_t kDefaultBackColor = 0x0000FF;  // red
inline constexpr uint32_t kDefaultBorderColor = 0x000000;
inline constexpr uint32_t kDefaultForeColor = 0xFFFFFF;  // white

template <typename PictureT>
struct ColorButtonValues {
  std::wstring Caption = kDefaultCaption;
  uint32_t BackColor = kDefaultBackColor;
  uint32_t BorderColor = kDefaultBorderColor;
  std::shared_ptr<PictureT> Picture;
  // As stored with the instance; the caption is always drawn in the surface's own font.
  std::shared_ptr<oravin::Font> Font;
  uint32_t ForeColor = kDefaultForeColor;

  // Each value is assigned as soon as it is read, so a failing key leaves the
  // ones before it read. A missing font means the surface's own font object.
  void ReadFrom(const PropertyBag& bag, const std::shared_ptr<oravin::Font>& surfaceFont) {
    Picture = bag.Read<std::shared_ptr<PictureT>>(L"Picture", nullptr);
    Caption = bag.Read<std::wstring>(L"Caption", kDefaultCaption);
    BackColor = uint32_t(bag.Read<int32_t>(L"BackColor", int32_t(kDefaultBackColor)));
    BorderColor = uint32_t(bag.Read<int32_t>(L"BorderColor", int32_t(kDefaultBorderColor)));
    ForeColor = uint32_t(bag.Read<int32_t>(L"ForeColor", int32_t(kDefaultForeColor)));
    Font = bag.Read<std::shared_ptr<oravin::Font>>(L"Font", surfaceFont);
  }

  void WriteTo(PropertyBag& bag, const std::shared_ptr<oravin::Font>& surfaceFont) const {
    bag.Write<std::wstring>(L"Caption", Caption, kDefaultCaption);
    bag.Write<std::shared_ptr<PictureT>>(L"Picture", Picture, nullptr);
    bag.Write<int32_t>(L"BackColor", int32_t(BackColor), int32_t(kDefaultBackColor));
    bag.Write<int32_t>(L"BorderColor", int32_t(BorderColor), int32_t(kDefaultBorderColor));
    bag.Write<std::shared_ptr<oravin::Font>>(L"Font", Font, surfaceFont);
    bag.Write<int32_t>(L"ForeColor", int32_t(ForeColor), int32_t(kDefaultForeColor));
  }
};

}  // namespace oravin
