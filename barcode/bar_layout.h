// The barcode at its real size, in millimetres: Japan Post's measures at the
// standard 10 point, scaled together from 8 to 11.5 point.
#pragma once

#include <cstddef>
#include <string>

#include "barcode/customer_barcode.h"

namespace barcode {

constexpr double kStandardPoints = 10.0;
constexpr double kSmallestPoints = 8.0;
constexpr double kLargestPoints = 11.5;

// At 10 point.
constexpr double kBarWidthMm = 0.6;
constexpr double kBarPitchMm = 1.2;  // from one bar's left edge to the next
constexpr double kLongBarMm = 3.6;
constexpr double kHalfBarMm = 2.4;
constexpr double kTimingBarMm = 1.2;
constexpr double kBlankMm = 2.0;  // the quiet zone on every side

struct BarRect {
  double x, y, width, height;  // mm, from the top left corner of the blank around
};

struct BarLayout {
  double scale = 1.0;  // points / 10

  double BarWidth() const { return kBarWidthMm * scale; }
  double Pitch() const { return kBarPitchMm * scale; }
  double Blank() const { return kBlankMm * scale; }
  // The whole barcode with its blank: 83.8 × 7.6 mm at 10 point.
  double Width() const { return 2 * Blank() + (kBarCount - 1) * Pitch() + BarWidth(); }
  double Height() const { return 2 * Blank() + kLongBarMm * scale; }
  // Bar `index` (0-66) of the kind `bar`: long bars span the height, the
  // halves two thirds of it from the top or the bottom, timing bars the
  // middle third.
  BarRect Rect(size_t index, Bar bar) const;
};

// The layout at `points`, held to 8-11.5.
BarLayout LayoutAt(double points);

// The barcode as an SVG document at its real size (width and height in mm,
// user units of 1 mm), one <rect> per bar on a white ground.
std::string BarcodeSvg(const CustomerBarcode& code, const BarLayout& layout);

}  // namespace barcode
