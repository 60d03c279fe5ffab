#pragma once
// Picture sizes are kept in HiMetric units (hundredths of a millimetre), so a
// picture keeps its physical size on any display; drawing needs pixels.

namespace oravin {

inline constexpr double kHiMetricPerInch = 2540.0;

// Not rounded: callers round where the layout says so.
inline double HiMetricToPixels(double himetric, int dotsPerInch) {
  return himetric * dotsPerInch / kHiMetricPerInch;
}

inline double PixelsToHiMetric(double pixels, int dotsPerInch) {
  return pixels * kHiMetricPerInch / dotsPerInch;
}

}  // namespace oravin
