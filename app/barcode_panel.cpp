#include "app/barcode_panel.h"

#include <cmath>

#include "barcode/address_barcode.h"
#include "barcode/bar_layout.h"
#include "resolver/offices.h"
#include "resources/resource_ids.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kHundredthsPerMm = 100;  // the metafile frame's unit
// The metafile's description: the program, then the picture, each ended by NUL.
constexpr char kMetafileDescription[] = "kuranto\0customer barcode\0";

double PixelsPerMm(HDC dc, int axis) { return GetDeviceCaps(dc, axis) / kMmPerInch; }

int Round(double value) { return static_cast<int>(std::lround(value)); }

// The whole barcode's size in pixels.
SIZE BarcodePixels(double pixelsPerMmX, double pixelsPerMmY) {
  const barcode::BarLayout layout = barcode::LayoutAt(barcode::kStandardPoints);
  return SIZE{Round(layout.Width() * pixelsPerMmX), Round(layout.Height() * pixelsPerMmY)};
}

}  // namespace

void ShowBarcodeAnswer(HWND dialog, const resolver::AddressBook& book, const resolver::Resolution& resolution,
                       size_t office, const std::string& address, BarcodeAnswer& answer) {
  barcode::TownFinder finder;
  answer.shown = barcode::MakeAnswerBarcode(book, resolution, office, address, finder, answer.code);
  EnableWindow(GetDlgItem(dialog, IDC_RESOLVE_COPY_BARCODE), answer.shown ? TRUE : FALSE);
  InvalidateRect(GetDlgItem(dialog, IDC_RESOLVE_BARCODE), nullptr, TRUE);
}

void ClearBarcodeAnswer(HWND dialog, BarcodeAnswer& answer) {
  answer.shown = false;
  EnableWindow(GetDlgItem(dialog, IDC_RESOLVE_COPY_BARCODE), FALSE);
  HWND drawing = GetDlgItem(dialog, IDC_RESOLVE_BARCODE);
  InvalidateRect(drawing, nullptr, TRUE);
  UpdateWindow(drawing);
}

void DrawBarcode(HDC dc, const barcode::CustomerBarcode& code, int left, int top, double pixelsPerMmX,
                 double pixelsPerMmY) {
  const SIZE size = BarcodePixels(pixelsPerMmX, pixelsPerMmY);
  const RECT ground = {left, top, left + size.cx, top + size.cy};
  FillRect(dc, &ground, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const barcode::BarLayout layout = barcode::LayoutAt(barcode::kStandardPoints);
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  for (size_t i = 0; i < barcode::kBarCount; ++i) {
    const barcode::BarRect r = layout.Rect(i, code.bars[i]);
    const RECT bar = {left + Round(r.x * pixelsPerMmX), top + Round(r.y * pixelsPerMmY),
                      left + Round((r.x + r.width) * pixelsPerMmX), top + Round((r.y + r.height) * pixelsPerMmY)};
    FillRect(dc, &bar, black);
  }
}

void DrawBarcodeItem(const DRAWITEMSTRUCT& item, const BarcodeAnswer& answer) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (!answer.shown) return;
  DrawBarcode(item.hDC, answer.code, item.rcItem.left, item.rcItem.top, PixelsPerMm(item.hDC, LOGPIXELSX),
              PixelsPerMm(item.hDC, LOGPIXELSY));
}

bool CopyBarcode(HWND owner, const barcode::CustomerBarcode& code) {
  ScopedGetDC screen(owner);
  const barcode::BarLayout layout = barcode::LayoutAt(barcode::kStandardPoints);
  // The frame says the real size; the drawing is in the reference device's
  // pixels, which HORZSIZE/HORZRES measure (LOGPIXELS need not match them).
  const RECT frame = {0, 0, Round(layout.Width() * kHundredthsPerMm), Round(layout.Height() * kHundredthsPerMm)};
  HDC metaDc = CreateEnhMetaFileA(screen, nullptr, &frame, kMetafileDescription);
  if (metaDc == nullptr) return false;
  DrawBarcode(metaDc, code, 0, 0, GetDeviceCaps(screen, HORZRES) / static_cast<double>(GetDeviceCaps(screen, HORZSIZE)),
              GetDeviceCaps(screen, VERTRES) / static_cast<double>(GetDeviceCaps(screen, VERTSIZE)));
  ScopedEnhMetaFile metafile(CloseEnhMetaFile(metaDc));

  const double perMmX = PixelsPerMm(screen, LOGPIXELSX), perMmY = PixelsPerMm(screen, LOGPIXELSY);
  const SIZE size = BarcodePixels(perMmX, perMmY);
  AutoDeleteObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, size.cx, size.cy));
  ScopedMemoryDC memory(screen);
  if (metafile.get() == nullptr || bitmap.get() == nullptr || memory == nullptr) return false;
  {
    ScopedSelectObject selected(memory, bitmap.get());
    DrawBarcode(memory, code, 0, 0, perMmX, perMmY);
  }
  ScopedClipboard clipboard(owner);
  if (!clipboard.opened()) return false;
  EmptyClipboard();
  // The clipboard owns each handle it accepts.
  const bool meta = SetClipboardData(CF_ENHMETAFILE, metafile.get()) != nullptr;
  if (meta) metafile.release();
  const bool bits = SetClipboardData(CF_BITMAP, bitmap.get()) != nullptr;
  if (bits) bitmap.release();
  return meta && bits;
}

}  // namespace kuranto
