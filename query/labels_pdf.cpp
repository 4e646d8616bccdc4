#include "query/labels_pdf.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "datafiles/file_access.h"
#include "encoding/utf8_decode.h"

namespace query {

namespace {

// Debian's IPA fonts (fonts-ipaexfont, fonts-ipafont), in the order tried.
const char* const kFontFamilies[] = {"IPAexGothic", "IPAGothic", "IPAPGothic"};
constexpr double kPointsPerMm = 72.0 / 25.4;
// Advances are read at this size, where cairo's fixed-point metrics are fine enough.
constexpr double kMeasureSize = 1000.0;
constexpr double kFrameLineMm = 0.1;

struct ScaledFont {
  cairo_font_face_t* face = nullptr;
  cairo_scaled_font_t* font = nullptr;
  ~ScaledFont() { Release(); }
  void Release() {
    if (font != nullptr) cairo_scaled_font_destroy(font);
    if (face != nullptr) cairo_font_face_destroy(face);
    font = nullptr;
    face = nullptr;
  }
};

// The font file of the first IPA family fontconfig has; "" for none.
// Any of the font's family names: under a Japanese locale fontconfig puts
// the Japanese one (IPAexゴシック) first.
bool HasFamily(FcPattern* font, const char* family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (std::strcmp(reinterpret_cast<const char*>(name), family) == 0) return true;
  }
  return false;
}

std::string FindFontFile() {
  for (const char* family : kFontFamilies) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) continue;
    FcChar8* file = nullptr;
    std::string path;
    if (HasFamily(match, family) && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      path = reinterpret_cast<char*>(file);
    }
    FcPatternDestroy(match);
    if (!path.empty()) return path;
  }
  return "";
}

class CairoLabels : public PdfLabels, public labels::FontMetrics {
 public:
  // cairo's and fontconfig's caches released with the last font, so that a
  // leak checker sees what the program leaves.
  ~CairoLabels() override {
    font_.Release();
    cairo_debug_reset_static_data();
    FcFini();
  }

  bool Load(std::string& error) {
    file_ = FindFontFile();
    if (file_.empty()) {
      error = "no IPA font installed (Debian: fonts-ipaexfont)";
      return false;
    }
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(file_.c_str()));
    FcPatternAddInteger(pattern, FC_INDEX, 0);
    font_.face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    cairo_matrix_t size, identity;
    cairo_matrix_init_scale(&size, kMeasureSize, kMeasureSize);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    font_.font = cairo_scaled_font_create(font_.face, &size, &identity, options);
    cairo_font_options_destroy(options);
    if (cairo_scaled_font_status(font_.font) != CAIRO_STATUS_SUCCESS) {
      error = "cannot load " + file_;
      return false;
    }
    return true;
  }

  const labels::FontMetrics& metrics() const override { return *this; }
  const std::string& fontFile() const override { return file_; }

  double Advance(uint32_t codePoint) const override {
    const unsigned long glyph = Glyph(codePoint);
    cairo_glyph_t one{glyph, 0, 0};
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(font_.font, &one, 1, &extents);
    return extents.x_advance / kMeasureSize;
  }

  bool HasGlyph(uint32_t codePoint) const override { return Glyph(codePoint) != 0; }

  bool Write(const labels::Layout& layout, bool alignmentOnly, const std::string& path) override;

 private:
  unsigned long Glyph(uint32_t codePoint) const;
  void DrawPage(cairo_t* cr, const labels::Page& page);
  void DrawText(cairo_t* cr, const labels::TextRun& run);

  std::string file_;
  ScaledFont font_;
  mutable std::unordered_map<uint32_t, unsigned long> glyphs_;
  std::vector<cairo_glyph_t> run_;
  std::vector<cairo_text_cluster_t> clusters_;
};

unsigned long CairoLabels::Glyph(uint32_t codePoint) const {
  const auto known = glyphs_.find(codePoint);
  if (known != glyphs_.end()) return known->second;
  unsigned long glyph = 0;  // the font's missing glyph
  FT_Face face = cairo_ft_scaled_font_lock_face(font_.font);
  if (face != nullptr) glyph = FT_Get_Char_Index(face, codePoint);
  cairo_ft_scaled_font_unlock_face(font_.font);
  return glyphs_[codePoint] = glyph;
}

// Each glyph at the advance the layout fitted by.
void CairoLabels::DrawText(cairo_t* cr, const labels::TextRun& run) {
  const double em = run.points * labels::kMmPerPoint;
  run_.clear();
  clusters_.clear();
  double x = run.x;
  const char* p = run.text.data();
  const char* end = p + run.text.size();
  while (p < end) {
    uint32_t codePoint = 0xFFFD;
    const size_t length = encoding::DecodeUtf8(p, end, codePoint);
    if (length == 0) return;  // never so: the labels' texts are UTF-8
    p += length;
    run_.push_back(cairo_glyph_t{Glyph(codePoint), x, run.baseline});
    clusters_.push_back(cairo_text_cluster_t{static_cast<int>(length), 1});
    x += Advance(codePoint) * em;
  }
  cairo_set_font_size(cr, em);
  // With its text, so that the PDF's text reads as written (田, not the
  // radical ⽥ the font draws with the same glyph).
  cairo_show_text_glyphs(cr, run.text.data(), static_cast<int>(run.text.size()), run_.data(),
                         static_cast<int>(run_.size()), clusters_.data(), static_cast<int>(clusters_.size()),
                         static_cast<cairo_text_cluster_flags_t>(0));
}

void CairoLabels::DrawPage(cairo_t* cr, const labels::Page& page) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (const labels::Rect& bar : page.bars) cairo_rectangle(cr, bar.x, bar.y, bar.width, bar.height);
  cairo_fill(cr);
  for (const labels::TextRun& run : page.texts) DrawText(cr, run);
  if (page.frames.empty()) return;
  cairo_set_line_width(cr, kFrameLineMm);
  for (const labels::Rect& frame : page.frames) cairo_rectangle(cr, frame.x, frame.y, frame.width, frame.height);
  cairo_stroke(cr);
}

cairo_status_t WriteTo(void* closure, const unsigned char* data, unsigned int length) {
  auto* file = static_cast<datafiles::ReplacingFile*>(closure);
  return file->Write(reinterpret_cast<const char*>(data), length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

bool CairoLabels::Write(const labels::Layout& layout, bool alignmentOnly, const std::string& path) {
  datafiles::ReplacingFile file(path);
  if (!file.ok()) return false;
  const labels::Stock& stock = layout.stock();
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(WriteTo, &file, stock.paperWidth * kPointsPerMm,
                                                                 stock.paperHeight * kPointsPerMm);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "kuranto-query labels");
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, kPointsPerMm, kPointsPerMm);  // user units: mm
  cairo_set_font_face(cr, font_.face);
  labels::Page page;
  const size_t pages = alignmentOnly ? 1 : layout.PageCount();
  for (size_t i = 0; i < pages; ++i) {
    if (alignmentOnly) layout.MakeAlignmentPage(page);
    else layout.MakePage(i, page);
    DrawPage(cr, page);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool drawn = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return drawn && file.Commit();
}

}  // namespace

std::unique_ptr<PdfLabels> PdfLabels::Open(std::string& error) {
  auto labels = std::make_unique<CairoLabels>();
  if (!labels->Load(error)) return nullptr;
  return labels;
}

}  // namespace query
