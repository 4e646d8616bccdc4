#include "labels/layout.h"

#include <algorithm>
#include <cmath>

#include "barcode/bar_layout.h"
#include "encoding/utf8_decode.h"
#include "labels/text_fit.h"

namespace labels {

namespace {

constexpr double kLeading = 1.2;        // a line's height in ems
constexpr double kShrinkStep = 0.05;    // all of a label's sizes together, when its lines are too many
constexpr double kPieceMarginMm = 10.0; // the barcode from an envelope's or postcard's edges
constexpr double kBoxDigitPoints = 13.0;
constexpr double kSenderGapMm = 6.0;    // between the recipient and the sender
constexpr double kBarcodeStep = 0.1;    // pt: the barcode's sizes tried
// UTF-8 as bytes: 〒 and the ideographic space.
const char kPostalMark[] = "\xE3\x80\x92";
const char kWideBlank[] = "\xE3\x80\x80";

// Preferred sizes in points; a label's are shrunk together when needed.
struct Style {
  double code, address, company, department, name, sender;
};
constexpr Style kSheetStyle{9, 10, 10, 9, 12, 8};
constexpr Style kPieceStyle{11, 12, 12, 11, 16, 8};  // envelopes and postcards, at 100 mm wide

bool IsPiece(const Stock& stock) { return stock.kind != StockKind::kSheet; }

Style StyleOf(const Stock& stock) {
  if (!IsPiece(stock)) return kSheetStyle;
  const double k = std::clamp(stock.labelWidth / 100.0, 1.0, 1.5);
  Style s = kPieceStyle;
  s.code *= k, s.address *= k, s.company *= k, s.department *= k, s.name *= k;
  return s;
}

// Where the recipient's lines go in a label, relative to its top left.
struct Area {
  double left, top, right;
};

Area RecipientArea(const Stock& stock) {
  const double w = stock.labelWidth, h = stock.labelHeight;
  if (!IsPiece(stock)) {
    const double x = w >= 60 ? 4.0 : 2.0;
    const double y = h >= 40 ? 3.0 : h >= 30 ? 2.0 : kMarginMm;
    return Area{x, y, w - x};
  }
  const double left = std::max(kPieceMarginMm, 0.12 * w);
  const double top = stock.codeBoxes ? CodeBox(stock, 0).y + CodeBox(stock, 0).height + 12.0 : 0.12 * h;
  return Area{left, top, w - kPieceMarginMm};
}

double BarcodePointsFor(const Stock& stock) {
  const double room = IsPiece(stock) ? stock.labelWidth - 2 * kPieceMarginMm : stock.labelWidth;
  for (double p = kLargestBarcodePoints; p >= kSmallestBarcodePoints - 1e-9; p -= kBarcodeStep) {
    const double points = std::round(p * 10.0) / 10.0;
    if (BarcodeWidth(points) <= room + 1e-9) return points;
  }
  return 0;
}

// "1234567" from "123-4567", "" from anything else.
std::string SevenDigits(const std::string& code) {
  std::string digits;
  for (char c : code) {
    if (c >= '0' && c <= '9') digits += c;
    else if (c != '-') return "";
  }
  return digits.size() == 7 ? digits : "";
}

struct Wanted {
  std::string text;
  double points;
};

void AddWanted(std::vector<Wanted>& wanted, const std::string& text, double points) {
  if (!text.empty()) wanted.push_back(Wanted{text, points});
}

// The recipient's lines top to bottom; the honorific goes after the name,
// or after the last of company and department when no person is named.
std::vector<Wanted> RecipientLines(const Label& label, const Style& style, bool codeAsText) {
  std::vector<Wanted> wanted;
  if (codeAsText && !label.code.empty()) AddWanted(wanted, kPostalMark + label.code, style.code);
  AddWanted(wanted, label.address, style.address);
  AddWanted(wanted, label.building, style.address);
  const std::string honorific = label.honorific.empty() ? "" : kWideBlank + label.honorific;
  const bool named = !label.name.empty();
  const bool onDepartment = !named && !label.department.empty();
  AddWanted(wanted, label.company + (!named && !onDepartment && !label.company.empty() ? honorific : ""), style.company);
  AddWanted(wanted, label.department + (onDepartment ? honorific : ""), style.department);
  if (named) AddWanted(wanted, label.name + honorific, style.name);
  return wanted;
}

// The code's digits in the printed boxes, relative to the page.
void AddBoxDigits(const Stock& stock, const std::string& digits, double digitEms[], std::vector<TextRun>& out) {
  const double em = kBoxDigitPoints * kMmPerPoint;
  for (size_t i = 0; i < kCodeBoxCount; ++i) {
    const Rect box = CodeBox(stock, i);
    const double width = digitEms[i] * em;
    out.push_back(TextRun{digits.substr(i, 1), box.x + (box.width - width) / 2,
                          box.y + box.height / 2 + (kAscent - kDescent) / 2 * em, kBoxDigitPoints, width});
  }
}

// Labels without a 7-digit code sort last.
std::string OrderKey(const Label& label) {
  const std::string digits = SevenDigits(label.code);
  return digits.empty() ? std::string(1, '\x7F') : digits;
}

// Where the barcode's first bar goes: directly under the lines, its blank
// starting where the last line's em ends, its bars under the lines' start
// unless that takes it past the label's edge (an envelope's 10 mm).
void PlaceBarcode(const Stock& stock, const Area& area, const std::vector<TextRun>& lines, size_t recipientLines,
                  double points, FittedLabel& fitted) {
  const TextRun* last = recipientLines == 0 ? nullptr : &lines[recipientLines - 1];
  const double blankTop = last != nullptr ? last->baseline + kDescent * last->points * kMmPerPoint : area.top;
  const double edge = IsPiece(stock) ? kPieceMarginMm : 0.0;
  const double width = BarcodeWidth(points);
  double left = area.left - kBarcodeBlankMm;
  if (left + width > stock.labelWidth - edge) left = stock.labelWidth - edge - width;
  if (left < edge) left = (stock.labelWidth - width) / 2;
  fitted.barcodeX = left + kBarcodeBlankMm;
  fitted.barcodeY = blankTop + kBarcodeBlankMm;
}

}  // namespace

double BarcodeWidth(double points) {
  const barcode::BarLayout bars = barcode::LayoutAt(points);
  return static_cast<double>(barcode::kBarCount - 1) * bars.Pitch() + bars.BarWidth() + 2 * kBarcodeBlankMm;
}

double BarcodeHeight(double points) {
  return barcode::kLongBarMm * points / barcode::kStandardPoints + 2 * kBarcodeBlankMm;
}

bool Check::Printable(const LayoutOptions& options) const {
  return tooLong.empty() && !senderTooLong && (!options.barcodes || without[static_cast<int>(NoBarcode::kTooNarrow)] == 0);
}

Layout::Layout(const Stock& stock, const LayoutOptions& options, const FontMetrics& metrics)
    : stock_(stock), options_(options), metrics_(metrics), barcodePoints_(BarcodePointsFor(stock)) {
  if (stock_.PerPage() == 1) options_.start = 1;
  if (options_.start < 1 || options_.start > stock_.PerPage()) options_.start = 1;
  FitSender();
}

double Layout::Ems(std::string_view text) const {
  double ems = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    uint32_t codePoint = 0xFFFD;
    const size_t length = encoding::DecodeUtf8(p, end, codePoint);
    p += length == 0 ? 1 : length;
    auto known = advances_.find(codePoint);
    if (known == advances_.end()) {
      const double advance = metrics_.Advance(codePoint);
      known = advances_.emplace(codePoint, metrics_.HasGlyph(codePoint) ? advance : -advance).first;
    }
    ems += std::fabs(known->second);
  }
  return ems;
}

bool Layout::HasEveryGlyph(const Label& label) const {
  for (const std::string* text : {&label.code, &label.address, &label.building, &label.company, &label.department,
                                  &label.name, &label.honorific}) {
    Ems(*text);  // every character's advance known
    const char* p = text->data();
    const char* end = p + text->size();
    while (p < end) {
      uint32_t codePoint = 0xFFFD;
      const size_t length = encoding::DecodeUtf8(p, end, codePoint);
      p += length == 0 ? 1 : length;
      if (advances_[codePoint] < 0) return false;
    }
  }
  return true;
}

// The sender's lines from the bottom margin up, once for every page.
void Layout::FitSender() {
  const Area area = RecipientArea(stock_);
  recipientBottom_ = stock_.labelHeight - (IsPiece(stock_) ? kPieceMarginMm : area.top);
  if (!IsPiece(stock_) || options_.sender.Empty()) return;
  const Sender& s = options_.sender;
  const double points = StyleOf(stock_).sender;
  std::vector<FittedText> lines;
  const auto ems = [this](std::string_view text) { return Ems(text); };
  for (const std::string& text : {s.code.empty() ? s.code : kPostalMark + s.code, s.address, s.building, s.name}) {
    if (!text.empty() && !FitText(text, area.right - area.left, points, kLeastPoints, ems, lines)) senderFits_ = false;
  }
  double y = recipientBottom_;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    const double em = line->points * kMmPerPoint;
    y -= kLeading * em;
    sender_.insert(sender_.begin(), TextRun{line->text, area.left, y + (kLeading - 1) / 2 * em + kAscent * em,
                                            line->points, line->ems * em});
  }
  recipientBottom_ = y - kSenderGapMm;
}

bool Layout::FitLabel(const Label& label, FittedLabel& fitted) const {
  const Area area = RecipientArea(stock_);
  const Style style = StyleOf(stock_);
  const std::string digits = stock_.codeBoxes ? SevenDigits(label.code) : "";
  const std::vector<Wanted> wanted = RecipientLines(label, style, digits.empty());
  const bool barcode = label.noBarcode == NoBarcode::kNone;
  const auto ems = [this](std::string_view text) { return Ems(text); };
  std::vector<FittedText> lines;
  double height = 0;
  for (double factor = 1.0;; factor -= kShrinkStep) {
    lines.clear();
    bool wide = true, least = true;
    for (const Wanted& w : wanted) {
      const double points = std::max(w.points * factor, kLeastPoints);
      least = least && points <= kLeastPoints;
      wide = wide && FitText(w.text, area.right - area.left, points, kLeastPoints, ems, lines);
    }
    height = 0;
    for (const FittedText& line : lines) height += kLeading * line.points * kMmPerPoint;
    if (barcode) height += BarcodeHeight(barcodePoints_);
    fitted.fits = wide && area.top + height <= recipientBottom_ + 1e-9;
    if (fitted.fits || least) break;
  }
  fitted.lines.clear();
  // A sheet's label holds its lines in the middle; a piece's start under the code boxes.
  double y = area.top + (IsPiece(stock_) ? 0.0 : std::max(0.0, (recipientBottom_ - area.top - height) / 2));
  for (const FittedText& line : lines) {
    const double em = line.points * kMmPerPoint;
    fitted.lines.push_back(TextRun{line.text, area.left, y + (kLeading - 1) / 2 * em + kAscent * em, line.points,
                                   line.ems * em});
    y += kLeading * em;
  }
  if (!digits.empty()) {
    double digitEms[kCodeBoxCount];
    for (size_t i = 0; i < kCodeBoxCount; ++i) digitEms[i] = Ems(std::string_view(digits).substr(i, 1));
    AddBoxDigits(stock_, digits, digitEms, fitted.lines);
  }
  fitted.barcode = barcode;
  if (barcode) PlaceBarcode(stock_, area, fitted.lines, lines.size(), barcodePoints_, fitted);
  return fitted.fits;
}

Check Layout::Fit(std::vector<Label> labels) {
  labels_ = std::move(labels);
  if (options_.order == Order::kCode) {
    std::stable_sort(labels_.begin(), labels_.end(),
                     [](const Label& a, const Label& b) { return OrderKey(a) < OrderKey(b); });
  }
  Check check;
  check.labels = labels_.size();
  check.barcodePoints = barcodePoints_;
  fitted_.assign(labels_.size(), FittedLabel());
  for (size_t i = 0; i < labels_.size(); ++i) {
    Label& label = labels_[i];
    if (label.noBarcode == NoBarcode::kNone && !options_.barcodes) label.noBarcode = NoBarcode::kNotAsked;
    if (label.noBarcode == NoBarcode::kNone && barcodePoints_ == 0) label.noBarcode = NoBarcode::kTooNarrow;
    if (!FitLabel(label, fitted_[i])) check.tooLong.push_back(label.line);
    if (!HasEveryGlyph(label)) check.missingGlyphs.push_back(label.line);
    if (label.noBarcode == NoBarcode::kNone) {
      ++check.barcodes;
    } else {
      ++check.without[static_cast<int>(label.noBarcode)];
    }
  }
  check.senderTooLong = !senderFits_;
  check.pages = PageCount();
  return check;
}

size_t Layout::PageCount() const {
  if (labels_.empty()) return 0;
  const size_t slots = options_.start - 1 + labels_.size();
  return (slots + stock_.PerPage() - 1) / stock_.PerPage();
}

Rect Layout::LabelBox(size_t slot) const {
  const size_t place = slot % stock_.PerPage();
  const double column = static_cast<double>(place % stock_.columns), row = static_cast<double>(place / stock_.columns);
  return Rect{stock_.left + column * stock_.pitchX + options_.offsetX, stock_.top + row * stock_.pitchY + options_.offsetY,
              stock_.labelWidth, stock_.labelHeight};
}

void Layout::PlaceLabel(const Label& label, const FittedLabel& fitted, const Rect& box, size_t index, Page& page) const {
  for (const TextRun& line : fitted.lines) {
    TextRun run = line;
    run.x += box.x;
    run.baseline += box.y;
    page.texts.push_back(std::move(run));
  }
  if (fitted.barcode) {
    const barcode::BarLayout bars = barcode::LayoutAt(barcodePoints_);
    for (size_t i = 0; i < barcode::kBarCount; ++i) {
      const barcode::BarRect r = bars.Rect(i, label.barcode.bars[i]);
      page.bars.push_back(Rect{box.x + fitted.barcodeX + r.x - bars.Blank(), box.y + fitted.barcodeY + r.y - bars.Blank(),
                               r.width, r.height});
    }
  }
  if (options_.frames) page.frames.push_back(box);
  page.labels.push_back(LabelPlace{index, box, label.noBarcode});
}

void Layout::MakePage(size_t index, Page& page) const {
  page.Clear();
  const size_t perPage = stock_.PerPage(), skipped = options_.start - 1;
  for (size_t slot = index * perPage; slot < (index + 1) * perPage; ++slot) {
    if (slot < skipped || slot - skipped >= labels_.size()) continue;
    const size_t label = slot - skipped;
    PlaceLabel(labels_[label], fitted_[label], LabelBox(slot), label, page);
  }
  for (const TextRun& line : sender_) {
    TextRun run = line;
    run.x += options_.offsetX;
    run.baseline += options_.offsetY;
    page.texts.push_back(std::move(run));
  }
}

void Layout::MakeAlignmentPage(Page& page) const {
  page.Clear();
  for (size_t slot = 0; slot < stock_.PerPage(); ++slot) page.frames.push_back(LabelBox(slot));
  for (size_t i = 0; stock_.codeBoxes && i < kCodeBoxCount; ++i) {
    const Rect box = CodeBox(stock_, i);
    page.frames.push_back(Rect{box.x + options_.offsetX, box.y + options_.offsetY, box.width, box.height});
  }
}

}  // namespace labels
