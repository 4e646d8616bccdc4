#include "app/label_drawing.h"

#include <string>
#include <vector>

#include "encoding/utf8_decode.h"

namespace kuranto {

namespace {

const char* const kLabelFontFaces[] = {"IPAexGothic", "ＭＳ ゴシック"};

constexpr int kMeasureEm = 1000;  // the size advances are measured at, in pixels
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kOutline = RGB(200, 200, 200);
constexpr COLORREF kNoBarcodeTint = RGB(255, 225, 225);
constexpr double kMmPerInch = 25.4;

int CALLBACK FoundFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

std::string InstalledFace() {
  ScopedMemoryDC dc(nullptr);
  for (const char* face : kLabelFontFaces) {
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExA(dc, &wanted, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    if (found) return face;
  }
  return kLabelFontFaces[1];
}

HFONT MakeLabelFont(const std::string& face, int emHeight) {
  LOGFONTA font = {};
  font.lfHeight = -emHeight;  // negative: the em, not the cell
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = ANTIALIASED_QUALITY;
  lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

// A rectangle whose edges are rounded each on its own, so that bars of one
// width stay within a device unit of each other; at least one unit wide.
RECT DeviceRect(const labels::Rect& r, const PageMapping& m) {
  RECT out = {m.X(r.x), m.Y(r.y), m.X(r.Right()), m.Y(r.Bottom())};
  if (out.right <= out.left) out.right = out.left + 1;
  if (out.bottom <= out.top) out.bottom = out.top + 1;
  return out;
}

void Outline(HDC dc, const RECT& r, COLORREF color) {
  AutoDeleteBrush brush(CreateSolidBrush(color));
  FrameRect(dc, &r, brush);
}

// The run's characters as UTF-16 with each code unit's advance in device
// units, the advances summed before rounding so the run does not drift.
void RunGlyphs(const labels::TextRun& run, const labels::FontMetrics& metrics, double perMm,
               std::wstring& text, std::vector<INT>& dx) {
  text.clear();
  dx.clear();
  const double unitsPerEm = run.points * labels::kMmPerPoint * perMm;
  double sum = 0;
  long placed = 0;
  const char* p = run.text.data();
  const char* end = p + run.text.size();
  while (p < end) {
    uint32_t codePoint = 0;
    const size_t length = encoding::DecodeUtf8(p, end, codePoint);
    p += length == 0 ? 1 : length;
    sum += metrics.Advance(codePoint) * unitsPerEm;
    const long next = std::lround(sum);
    if (codePoint >= 0x10000) {
      codePoint -= 0x10000;
      text.push_back(static_cast<wchar_t>(0xD800 + (codePoint >> 10)));
      text.push_back(static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF)));
      dx.push_back(static_cast<INT>(next - placed));
      dx.push_back(0);
    } else {
      text.push_back(static_cast<wchar_t>(codePoint));
      dx.push_back(static_cast<INT>(next - placed));
    }
    placed = next;
  }
}

void DrawTexts(HDC dc, const labels::Page& page, const PageMapping& m, const GdiFontMetrics& metrics) {
  SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  SetTextColor(dc, kInk);
  ScopedBkMode transparent(dc, TRANSPARENT);
  std::wstring text;
  std::vector<INT> dx;
  for (const labels::TextRun& run : page.texts) {
    const int em = static_cast<int>(std::lround(run.points * labels::kMmPerPoint * m.perMmY));
    if (em <= 0) continue;
    AutoDeleteFont font(MakeLabelFont(metrics.Face(), em));
    ScopedSelectObject selected(dc, font);
    RunGlyphs(run, metrics, m.perMmX, text, dx);
    ExtTextOutW(dc, m.X(run.x), m.Y(run.baseline), 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                dx.data());
  }
}

}  // namespace

PageMapping PrinterMapping(HDC printer) {
  PageMapping m;
  m.perMmX = GetDeviceCaps(printer, LOGPIXELSX) / kMmPerInch;
  m.perMmY = GetDeviceCaps(printer, LOGPIXELSY) / kMmPerInch;
  m.originX = -GetDeviceCaps(printer, PHYSICALOFFSETX);
  m.originY = -GetDeviceCaps(printer, PHYSICALOFFSETY);
  return m;
}

GdiFontMetrics::GdiFontMetrics() : face_(InstalledFace()), dc_(nullptr), font_(MakeLabelFont(face_, kMeasureEm)) {}

double GdiFontMetrics::Advance(uint32_t codePoint) const {
  const auto known = advances_.find(codePoint);
  if (known != advances_.end()) return known->second;
  double advance = codePoint < 0x80 ? 0.5 : 1.0;
  // Past the basic plane GDI measures no single character: a full em.
  if (codePoint < 0x10000) {
    ScopedSelectObject selected(dc_, font_);
    SIZE size = {};
    const wchar_t character = static_cast<wchar_t>(codePoint);
    if (GetTextExtentPoint32W(dc_, &character, 1, &size) && size.cx > 0) {
      advance = static_cast<double>(size.cx) / kMeasureEm;
    }
  }
  advances_.emplace(codePoint, advance);
  return advance;
}

bool GdiFontMetrics::HasGlyph(uint32_t codePoint) const {
  if (codePoint >= 0x10000) return false;
  ScopedSelectObject selected(dc_, font_);
  const wchar_t character = static_cast<wchar_t>(codePoint);
  WORD glyph = 0;
  return GetGlyphIndicesW(dc_, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
}

void DrawPage(HDC dc, const labels::Page& page, const PageMapping& m, const GdiFontMetrics& metrics,
              PageMarks marks) {
  if (marks == PageMarks::kPreview) {
    for (const labels::LabelPlace& place : page.labels) {
      const RECT box = DeviceRect(place.box, m);
      if (place.noBarcode != labels::NoBarcode::kNone) {
        AutoDeleteBrush tint(CreateSolidBrush(kNoBarcodeTint));
        FillRect(dc, &box, tint);
      }
      Outline(dc, box, kOutline);
    }
  }
  for (const labels::Rect& frame : page.frames) Outline(dc, DeviceRect(frame, m), kInk);
  AutoDeleteBrush ink(CreateSolidBrush(kInk));
  for (const labels::Rect& bar : page.bars) {
    const RECT r = DeviceRect(bar, m);
    FillRect(dc, &r, ink);
  }
  DrawTexts(dc, page, m, metrics);
}

}  // namespace kuranto
