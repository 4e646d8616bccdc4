#include "labels/text_fit.h"

#include <cmath>
#include <cstdint>

#include "encoding/utf8_decode.h"
#include "labels/page.h"

namespace labels {

namespace {

// A break at a blank or a middle dot is taken when its longer half is at
// most this much longer than the best break's.
constexpr double kBlankBreakSlack = 1.3;

double FloorTenth(double points) { return std::floor(points * 10.0 + 1e-6) / 10.0; }

// The largest size (≤ points) at which `ems` fit in `widthMm`.
double SizeFor(double ems, double widthMm, double points) {
  if (ems <= 0) return points;
  const double fits = FloorTenth(widthMm / (ems * kMmPerPoint));
  return fits < points ? fits : points;
}

size_t CharLength(const std::string& text, size_t at) {
  uint32_t codePoint = 0;
  const size_t length = encoding::DecodeUtf8(text.data() + at, text.data() + text.size(), codePoint);
  return length == 0 ? 1 : length;
}

// A blank's length at `at` (ASCII or the ideographic space), 0 for none.
size_t BlankAt(const std::string& text, size_t at) {
  if (text[at] == ' ') return 1;
  return text.compare(at, 3, "\xE3\x80\x80") == 0 ? 3 : 0;
}

// True when a line may end at `at` without cutting a word: before a blank,
// or after a middle dot or an ideographic comma (・ 、, UTF-8) between words.
bool SoftBreak(const std::string& text, size_t at) {
  return BlankAt(text, at) != 0 ||
         (at >= 3 && (text.compare(at - 3, 3, "\xE3\x83\xBB") == 0 || text.compare(at - 3, 3, "\xE3\x80\x81") == 0));
}

struct Break {
  size_t end = 0, next = 0;  // the first line ends at `end`, the second starts at `next`
  double longer = 0;         // ems of the longer line
};

// The break whose longer line is shortest, or a break between words when
// it costs little and still fits in `fitting` ems.
Break BestBreak(const std::string& text, const EmsOf& ems, double fitting) {
  Break best, blank;
  best.longer = blank.longer = HUGE_VAL;
  for (size_t at = CharLength(text, 0); at < text.size(); at += CharLength(text, at)) {
    const size_t skip = BlankAt(text, at);
    const double longer = std::fmax(ems(std::string_view(text).substr(0, at)), ems(std::string_view(text).substr(at + skip)));
    Break& kind = SoftBreak(text, at) ? blank : best;
    if (longer < kind.longer) kind = Break{at, at + skip, longer};
  }
  if (blank.longer < best.longer * kBlankBreakSlack && blank.longer <= fitting) return blank;
  return best.longer <= blank.longer ? best : blank;
}

}  // namespace

bool FitText(const std::string& text, double widthMm, double points, double least, const EmsOf& ems,
             std::vector<FittedText>& out) {
  const double whole = ems(text);
  const double oneLine = SizeFor(whole, widthMm, points);
  if (oneLine >= least) {
    out.push_back(FittedText{text, oneLine, whole});
    return true;
  }
  const Break cut = BestBreak(text, ems, widthMm / (least * kMmPerPoint));
  if (cut.end == 0) return false;  // one character wider than the label
  const double twoLines = SizeFor(cut.longer, widthMm, points);
  if (twoLines < least) return false;
  const std::string first = text.substr(0, cut.end), second = text.substr(cut.next);
  out.push_back(FittedText{first, twoLines, ems(first)});
  out.push_back(FittedText{second, twoLines, ems(second)});
  return true;
}

}  // namespace labels
