#include "app/label_preview.h"

#include <algorithm>
#include <vector>

#include "app/label_drawing.h"
#include "app/label_texts.h"
#include "win32/format_text.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

constexpr int kShadow = 3;  // pixels of the page's shadow
constexpr size_t kNamedLines = 5;
constexpr COLORREF kDesk = RGB(128, 128, 128);
constexpr COLORREF kShadowColor = RGB(64, 64, 64);
constexpr COLORREF kPaper = RGB(255, 255, 255);

void Fill(HDC dc, const RECT& r, COLORREF color) {
  AutoDeleteBrush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush);
}

unsigned long Count(size_t n) { return static_cast<unsigned long>(n); }

// "3, 8, 12" for the first few lines, " ..." after them.
std::string LinesText(const std::vector<long>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size() && i < kNamedLines; ++i) {
    if (!text.empty()) text += ", ";
    text += std::to_string(lines[i]);
  }
  if (lines.size() > kNamedLines) text += " ...";
  return text;
}

}  // namespace

void DrawPreview(const DRAWITEMSTRUCT& item, const labels::Stock& stock, const labels::Page& page,
                 const GdiFontMetrics& metrics) {
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  Fill(dc, area, kDesk);
  const int width = area.right - area.left - 2 * kShadow;
  const int height = area.bottom - area.top - 2 * kShadow;
  if (width <= 0 || height <= 0 || stock.paperWidth <= 0 || stock.paperHeight <= 0) return;
  const double perMm = std::min(width / stock.paperWidth, height / stock.paperHeight);
  PageMapping mapping;
  mapping.perMmX = mapping.perMmY = perMm;
  mapping.originX = area.left + (area.right - area.left - stock.paperWidth * perMm) / 2;
  mapping.originY = area.top + (area.bottom - area.top - stock.paperHeight * perMm) / 2;
  const RECT paper = {mapping.X(0), mapping.Y(0), mapping.X(stock.paperWidth), mapping.Y(stock.paperHeight)};
  const RECT shadow = {paper.left + kShadow, paper.top + kShadow, paper.right + kShadow, paper.bottom + kShadow};
  Fill(dc, shadow, kShadowColor);
  Fill(dc, paper, kPaper);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, paper.left, paper.top, paper.right, paper.bottom);
  DrawPage(dc, page, mapping, metrics, PageMarks::kPreview);
  RestoreDC(dc, saved);
}

std::string CountsText(const labels::Check& check) {
  std::string text = FormatText(label_texts::kCountsFormat, Count(check.labels), Count(check.barcodes));
  const struct {
    labels::NoBarcode cause;
    const char* format;
  } causes[] = {{labels::NoBarcode::kNotExact, label_texts::kNotExactCause},
                {labels::NoBarcode::kDisagrees, label_texts::kDisagreesCause},
                {labels::NoBarcode::kTooNarrow, label_texts::kTooNarrowCause},
                {labels::NoBarcode::kNotAsked, label_texts::kNotAskedCause}};
  std::string byCause;
  size_t without = 0;
  for (const auto& c : causes) {
    const size_t n = check.without[static_cast<int>(c.cause)];
    if (n == 0) continue;
    if (!byCause.empty()) byCause += label_texts::kCauseSeparator;
    byCause += FormatText(c.format, Count(n));
    without += n;
  }
  if (without > 0) {
    text += label_texts::kCauseSeparator;
    text += FormatText(label_texts::kWithoutFormat, Count(without), byCause.c_str());
  }
  return text;
}

std::string RefusalText(const labels::Check& check, const labels::LayoutOptions& options) {
  if (check.labels == 0) return label_texts::kNoLabelsText;
  if (check.Printable(options)) return std::string();
  if (!check.tooLong.empty()) return FormatText(label_texts::kTooLongFormat, LinesText(check.tooLong).c_str());
  if (check.senderTooLong) return label_texts::kSenderTooLongText;
  return label_texts::kTooNarrowText;
}

std::string WarningText(const labels::Check& check) {
  if (check.missingGlyphs.empty()) return std::string();
  return FormatText(label_texts::kMissingGlyphsFormat, LinesText(check.missingGlyphs).c_str());
}

}  // namespace kuranto
