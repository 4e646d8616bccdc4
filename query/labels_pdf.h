// The labels' pages as a PDF at true size: cairo's PDF surface, text in an
// IPA font (found through fontconfig) embedded as a subset, bars as filled
// rectangles. Built where cairo is (not in the Windows tool).
#pragma once

#include <memory>
#include <string>

#include "labels/font_metrics.h"
#include "labels/layout.h"

namespace query {

class PdfLabels {
 public:
  // The font, or nullptr with `error` set when no IPA font is installed.
  static std::unique_ptr<PdfLabels> Open(std::string& error);
  virtual ~PdfLabels() = default;

  // The font's advances, for the layout to fit by.
  virtual const labels::FontMetrics& metrics() const = 0;
  // The font file, for the summary.
  virtual const std::string& fontFile() const = 0;
  // Every page of `layout` (or its alignment page alone) into `path`'s
  // temporary file, which takes the name when the whole PDF is written.
  // False, with no file left, when it cannot be written.
  virtual bool Write(const labels::Layout& layout, bool alignmentOnly, const std::string& path) = 0;
};

}  // namespace query
