#include "barcode/bar_layout.h"

#include <cstdio>

namespace barcode {

BarRect BarLayout::Rect(size_t index, Bar bar) const {
  const double top = Blank();
  const double third = kTimingBarMm * scale;
  BarRect rect{Blank() + static_cast<double>(index) * Pitch(), top, BarWidth(), kLongBarMm * scale};
  switch (bar) {
    case Bar::kLong:
      break;
    case Bar::kUpper:
      rect.height = kHalfBarMm * scale;
      break;
    case Bar::kLower:
      rect.y = top + third;
      rect.height = kHalfBarMm * scale;
      break;
    case Bar::kTiming:
      rect.y = top + third;
      rect.height = third;
      break;
  }
  return rect;
}

BarLayout LayoutAt(double points) {
  if (!(points >= kSmallestPoints)) points = kSmallestPoints;  // NaN too
  if (points > kLargestPoints) points = kLargestPoints;
  BarLayout layout;
  layout.scale = points / kStandardPoints;
  return layout;
}

namespace {

std::string Mm(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

}  // namespace

std::string BarcodeSvg(const CustomerBarcode& code, const BarLayout& layout) {
  const std::string width = Mm(layout.Width()), height = Mm(layout.Height());
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "mm\" height=\"" + height +
         "mm\" viewBox=\"0 0 " + width + " " + height + "\">\n";
  svg += "<desc>" + std::string(code.Data()) + "</desc>\n";
  svg += "<rect x=\"0\" y=\"0\" width=\"" + width + "\" height=\"" + height + "\" fill=\"#fff\"/>\n";
  for (size_t i = 0; i < kBarCount; ++i) {
    const BarRect r = layout.Rect(i, code.bars[i]);
    svg += "<rect x=\"" + Mm(r.x) + "\" y=\"" + Mm(r.y) + "\" width=\"" + Mm(r.width) + "\" height=\"" +
           Mm(r.height) + "\" fill=\"#000\"/>\n";
  }
  return svg + "</svg>\n";
}

}  // namespace barcode
