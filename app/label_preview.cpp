#include "app/label_preview.h"

#include <commctrl.h>

#include <vector>

#include "app/label_drawing.h"
#include "app/label_texts.h"
#include "win32/format_text.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

constexpr int kShadow = 3;      // pixels of the page's shadow
constexpr int kZoomMargin = 8;  // pixels of desk around a label zoomed
constexpr int kFocusFrame = 2;  // pixels of the frame of the preview with the focus
constexpr UINT_PTR kSubclassId = 1;
constexpr size_t kNamedLines = 5;
constexpr COLORREF kDesk = RGB(128, 128, 128);
constexpr COLORREF kShadowColor = RGB(64, 64, 64);
constexpr COLORREF kPaper = RGB(255, 255, 255);

void Fill(HDC dc, const RECT& r, COLORREF color) {
  AutoDeleteBrush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush);
}

unsigned long Count(size_t n) { return static_cast<unsigned long>(n); }

labels::View FitInto(const RECT& area, const labels::Rect& box, int margin) {
  return labels::FitView(box, area.left, area.top, area.right - area.left, area.bottom - area.top, margin);
}

LRESULT CALLBACK PreviewProc(HWND preview, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetFocus(preview);
      SendMessageA(GetParent(preview), kPreviewClicked, 0, lParam);
      return 0;
    case WM_GETDLGCODE: {
      const MSG* typed = reinterpret_cast<const MSG*>(lParam);
      const bool esc = typed != nullptr && typed->message == WM_KEYDOWN && typed->wParam == VK_ESCAPE;
      return DefSubclassProc(preview, message, wParam, lParam) | (esc ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      if (wParam != VK_ESCAPE) break;
      SendMessageA(GetParent(preview), kPreviewEscape, 0, 0);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(preview, nullptr, FALSE);  // the focus rectangle
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(preview, PreviewProc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(preview, message, wParam, lParam);
}

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

labels::View PageView(const RECT& area, const labels::Stock& stock) {
  return FitInto(area, labels::Rect{0, 0, stock.paperWidth, stock.paperHeight}, kShadow);
}

void TakeClicksAndEsc(HWND preview) { SetWindowSubclass(preview, PreviewProc, kSubclassId, 0); }

void DrawPreview(const DRAWITEMSTRUCT& item, const labels::Stock& stock, const labels::Page& page,
                 const labels::LabelPlace* zoomed, const GdiFontMetrics& metrics) {
  HDC dc = item.hDC;
  const RECT& area = item.rcItem;
  Fill(dc, area, kDesk);
  const labels::Rect shown = zoomed != nullptr ? zoomed->box : labels::Rect{0, 0, stock.paperWidth, stock.paperHeight};
  const labels::View view = FitInto(area, shown, zoomed != nullptr ? kZoomMargin : kShadow);
  if (view.perMm > 0) {
    PageMapping mapping;
    mapping.perMmX = mapping.perMmY = view.perMm;
    mapping.originX = view.originX;
    mapping.originY = view.originY;
    const RECT paper = {mapping.X(shown.x), mapping.Y(shown.y), mapping.X(shown.Right()), mapping.Y(shown.Bottom())};
    const RECT shadow = {paper.left + kShadow, paper.top + kShadow, paper.right + kShadow, paper.bottom + kShadow};
    Fill(dc, shadow, kShadowColor);
    Fill(dc, paper, kPaper);
    // Zoomed, the page is drawn whole and cut to the label: its neighbours' items stay outside.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, paper.left, paper.top, paper.right, paper.bottom);
    DrawPage(dc, page, mapping, metrics, PageMarks::kPreview);
    RestoreDC(dc, saved);
  }
  // A dotted focus rectangle would vanish on the grey desk: a coloured frame shows where Esc goes.
  if (GetFocus() == item.hwndItem) {
    RECT focus = area;
    for (int i = 0; i < kFocusFrame; ++i, InflateRect(&focus, -1, -1)) FrameRect(dc, &focus, GetSysColorBrush(COLOR_HIGHLIGHT));
  }
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
