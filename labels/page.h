// A page of drawing items, in millimetres from the page's top left corner,
// y downwards, the printer's offset already added. A back end draws every
// item exactly as given: nothing is measured, fitted or moved after the
// layout. The page's size is the stock's paper size.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "labels/label.h"
#include "labels/rect.h"

namespace labels {

// One line of text in the one font the back end measured with (FontMetrics).
struct TextRun {
  std::string text;  // UTF-8
  double x = 0;         // the left end of the baseline
  double baseline = 0;
  double points = 0;    // the font size, 1 pt = 25.4 / 72 mm
  double width = 0;     // the advances' sum, mm
  // The run's box: its em from ascent to descent about the baseline.
  Rect Box() const;
};

// What a back end or a preview may want to know of each label on the page.
struct LabelPlace {
  size_t label = 0;  // index into Layout::labels(), the printing order
  Rect box;          // the label on the page
  NoBarcode noBarcode = NoBarcode::kNone;
};

struct Page {
  std::vector<TextRun> texts;
  std::vector<Rect> bars;     // filled black rectangles: the barcodes' bars
  std::vector<Rect> frames;   // hairline outlines: label frames and code boxes (alignment)
  std::vector<LabelPlace> labels;

  void Clear();
};

// Font sizes and the em's ascent and descent (as the IPA fonts set them).
constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kAscent = 0.88;
constexpr double kDescent = 0.12;

}  // namespace labels
