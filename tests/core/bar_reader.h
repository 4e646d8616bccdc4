// Reads customer barcodes back from a page's pixels, as a reader at the
// post office would: the bars found in a grey image, sorted into their four
// kinds by where they reach, measured, and decoded into their data with a
// symbol table taken from zint (an encoder of its own).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A greyscale image as pdftoppm -gray writes it (PGM, P5).
struct GreyImage {
  size_t width = 0, height = 0;
  std::vector<uint8_t> pixels;
  bool Dark(size_t x, size_t y) const { return pixels[y * width + x] < 128; }
};
bool ReadPgm(const std::string& path, GreyImage& image);

struct ReadBarcode {
  bool found = false;
  std::string bars;     // 67 letters: F long, A upper, D lower, T timing
  double pitchMm = 0;   // from one bar's centre to the next, on average
  double barWidthMm = 0, longBarMm = 0, timingBarMm = 0;
  double leftMm = 0, topMm = 0, rightMm = 0, bottomMm = 0;  // the bars' extent on the page
};

// The one barcode inside [x0, x1) × [y0, y1) mm of an image at `dpi`:
// found where some row crosses exactly 67 bars.
ReadBarcode FindBarcode(const GreyImage& image, double dpi, double x0, double y0, double x1, double y1);

// The symbols' bars as zint draws them; empty when zint cannot be run.
class SymbolTable {
 public:
  bool Load(const std::string& scratchDir);
  // The data of 67 bars ("26300233-30-8-403"), or "" when a symbol is
  // unknown or the check digit does not add up.
  std::string Decode(const std::string& bars) const;

 private:
  std::string triplets_[19];  // by symbol value: 0-9, "-", CC1-CC8
  std::string start_, stop_;   // the two bars before the symbols and after the check digit
};

}  // namespace testing_support
