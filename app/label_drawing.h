// The layout's pages drawn with GDI, the same drawing on the preview and on
// a printer: texts at the advances the layout measured, the barcode's bars
// as filled rectangles at the device's own resolution, frames as hairlines.
#pragma once

#include <windows.h>

#include <cmath>
#include <string>
#include <unordered_map>

#include "labels/font_metrics.h"
#include "labels/page.h"
#include "win32/scoped.h"

namespace kuranto {

// Where a page's millimetres land on a DC: device = origin + mm * perMm.
struct PageMapping {
  double perMmX = 1, perMmY = 1;
  double originX = 0, originY = 0;
  int X(double mm) const { return static_cast<int>(std::lround(originX + mm * perMmX)); }
  int Y(double mm) const { return static_cast<int>(std::lround(originY + mm * perMmY)); }
};

// A printer's mapping at true size: its resolution, and the paper's corner
// at minus the physical offset, since the DC's origin is the corner of the
// printable area and not of the paper.
PageMapping PrinterMapping(HDC printer);

// The label font's advances as GDI gives them, for the layout to fit with:
// measured once per character at a large size, so the layout's widths are
// what DrawPage then sets. The face is the first installed of the query
// tool's PDF font (IPAexGothic, so that both print alike) and ＭＳ ゴシック.
class GdiFontMetrics : public labels::FontMetrics {
 public:
  GdiFontMetrics();
  GdiFontMetrics(const GdiFontMetrics&) = delete;
  GdiFontMetrics& operator=(const GdiFontMetrics&) = delete;
  double Advance(uint32_t codePoint) const override;
  bool HasGlyph(uint32_t codePoint) const override;
  const std::string& Face() const { return face_; }  // cp932

 private:
  std::string face_;
  ScopedMemoryDC dc_;
  AutoDeleteFont font_;
  mutable std::unordered_map<uint32_t, double> advances_;
};

// What the preview adds to the page; a printer gets kPaperOnly.
enum class PageMarks {
  kPaperOnly,
  kPreview,  // the labels' outlines in grey, those without a barcode tinted
};

// Draws `page` as given: the layout has placed every item.
void DrawPage(HDC dc, const labels::Page& page, const PageMapping& mapping, const GdiFontMetrics& metrics,
              PageMarks marks);

}  // namespace kuranto
