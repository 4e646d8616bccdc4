// How wide the back end's font sets a character: the one thing the layout
// asks of the back end. Every back end that draws a layout's pages must
// draw each text run with the advances its metrics gave the layout (cairo:
// glyphs placed at those advances; GDI: ExtTextOutW with the advances as
// its lpDx), so that what the layout fitted is what is printed.
#pragma once

#include <cstdint>

namespace labels {

class FontMetrics {
 public:
  virtual ~FontMetrics() = default;
  // The advance of `codePoint` in ems: its width at 1 point is this many
  // points. A character the font has no glyph for still takes a width (the
  // font's missing glyph), never zero, so no text is fitted too narrow.
  // Must be the same for the same character every time: the layout keeps
  // what it was told.
  virtual double Advance(uint32_t codePoint) const = 0;
  // False where the font has no glyph for the character: it prints as the
  // font's missing glyph (a box), and the layout counts the label.
  virtual bool HasGlyph(uint32_t) const { return true; }
};

// A fixed advance for every character (a full-width font's 1 em, half of it
// for ASCII): for tests and for a back end without a font.
class MonospaceMetrics : public FontMetrics {
 public:
  double Advance(uint32_t codePoint) const override { return codePoint < 0x80 ? 0.5 : 1.0; }
};

}  // namespace labels
