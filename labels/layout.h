// The layout core: a stock and a list of labels made into pages of drawing
// items (labels/page.h) that any back end draws as they are: the query
// tool's PDF (cairo), the window's preview and printer (GDI).
//
// How it is used:
//   labels::Stock stock;   labels::FindStock("a4-12", stock);
//   labels::LayoutOptions options;            // start, offset, frames...
//   labels::Layout layout(stock, options, metrics);   // metrics: the back end's font
//   const labels::Check check = layout.Fit(labelsVector);
//   if (!check.Printable(options)) { ...tell check's counts and lines... }
//   for (size_t p = 0; p < layout.PageCount(); ++p) { layout.MakePage(p, page); draw(page); }
//
// Fit decides every label's sizes, lines and barcode once (and orders the
// labels); MakePage then only places them, so the pages can be made in
// any order (a preview's ◀ ▶) and a page takes the same memory however
// long the list.
//
// Fitting: every text stays inside its label with at least kMarginMm
// margin; a line too long is set smaller down to kLeastPoints, then wrapped
// once; a label whose texts still do not fit is counted (Check::tooLong)
// and never cut. The barcode goes directly under the name with its 2 mm
// blank on every side, at the largest size from 10 down to 8 pt that the
// label's width holds; a label narrower than that has none (kTooNarrow).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "labels/font_metrics.h"
#include "labels/label.h"
#include "labels/page.h"
#include "labels/stock.h"

namespace labels {

constexpr double kMarginMm = 1.5;
constexpr double kLeastPoints = 6.0;
constexpr double kBarcodeBlankMm = 2.0;
constexpr double kLargestBarcodePoints = 10.0;
constexpr double kSmallestBarcodePoints = 8.0;

// The barcode's width and height with its blanks at `points`, mm.
double BarcodeWidth(double points);
double BarcodeHeight(double points);

enum class Order { kList, kCode };  // kCode: by postal code, stable, labels without one last

// The sender (差出人), printed small at the bottom left of envelopes and
// postcards; ignored on sheets. UTF-8; empty fields are left out.
struct Sender {
  std::string code, address, building, name;
  bool Empty() const { return code.empty() && address.empty() && building.empty() && name.empty(); }
};

struct LayoutOptions {
  Order order = Order::kList;
  size_t start = 1;              // the first label used on the first sheet, 1-based (row by row)
  double offsetX = 0, offsetY = 0;  // the printer's offset, mm, added to everything
  bool frames = false;           // every label's outline drawn
  bool barcodes = true;          // false: printed without (kNotAsked)
  Sender sender;
};

// A label's texts and barcode as fitted, relative to the label's top left
// corner (for code boxes: to the page's).
struct FittedLabel {
  std::vector<TextRun> lines;
  bool barcode = false;
  double barcodeX = 0, barcodeY = 0;  // the first bar's top left corner
  bool fits = true;
};

// What Fit found, for the run to tell or refuse by.
struct Check {
  size_t labels = 0;
  size_t pages = 0;
  size_t barcodes = 0;                  // labels printed with their barcode
  size_t without[kNoBarcodeCount] = {}; // by cause, NoBarcode as index (kNone unused)
  double barcodePoints = 0;             // the size the stock's labels take; 0: too narrow
  std::vector<long> tooLong;            // lines of labels whose texts do not fit
  bool senderTooLong = false;           // a line of the sender does not fit
  std::vector<long> missingGlyphs;      // lines of labels with a character the font lacks (printed as a box)

  // True when nothing would be cut and no barcode would be dropped for
  // want of width unless the options print without them.
  bool Printable(const LayoutOptions& options) const;
};

class Layout {
 public:
  // `metrics` must outlive the layout.
  Layout(const Stock& stock, const LayoutOptions& options, const FontMetrics& metrics);

  // Takes the labels (kept by the layout: a label's noBarcode may become
  // kNotAsked or kTooNarrow) and fits them.
  Check Fit(std::vector<Label> labels);

  size_t PageCount() const;
  // Page `index` (0-based) into `page`, cleared first; its storage is reused.
  void MakePage(size_t index, Page& page) const;
  // The alignment page: every label's frame (and the code boxes), nothing else.
  void MakeAlignmentPage(Page& page) const;

  const Stock& stock() const { return stock_; }
  const LayoutOptions& options() const { return options_; }  // start back to 1 where it was out of range
  const std::vector<Label>& labels() const { return labels_; }  // in printing order

 private:
  double Ems(std::string_view text) const;
  bool HasEveryGlyph(const Label& label) const;
  void FitSender();
  bool FitLabel(const Label& label, FittedLabel& fitted) const;
  Rect LabelBox(size_t slot) const;  // slot: 0-based place counting from the first sheet's first label
  void PlaceLabel(const Label& label, const FittedLabel& fitted, const Rect& box, size_t index, Page& page) const;

  Stock stock_;
  LayoutOptions options_;
  const FontMetrics& metrics_;
  mutable std::unordered_map<uint32_t, double> advances_;  // negative: the font has no glyph
  std::vector<Label> labels_;
  std::vector<FittedLabel> fitted_;
  double barcodePoints_ = 0;
  std::vector<TextRun> sender_;  // relative to the page, fitted once
  bool senderFits_ = true;
  double recipientBottom_ = 0;   // where the recipient's lines must end
};

}  // namespace labels
