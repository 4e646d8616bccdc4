#include "labels/stock.h"

#include <cstdlib>
#include <vector>

namespace labels {

namespace {

constexpr double kA4Width = 210, kA4Height = 297;

struct NamedStock {
  const char* name;
  StockKind kind;
  double paperWidth, paperHeight;
  size_t columns, rows;
  double labelWidth, labelHeight, top, left;
  bool codeBoxes;
};

// A4 sheets by labels per sheet, as the common makers cut them (pitch =
// label size, no gaps); envelopes and the postcard by JIS's sizes
// (長形3号 120 × 235, 長形4号 90 × 205, 角形2号 240 × 332, 洋形2号 114 × 162,
// 通常はがき 100 × 148).
const NamedStock kStocks[] = {
    {"a4-10", StockKind::kSheet, kA4Width, kA4Height, 2, 5, 86.4, 50.8, 21.2, 18.6, false},
    {"a4-12", StockKind::kSheet, kA4Width, kA4Height, 2, 6, 86.4, 42.3, 21.2, 18.6, false},
    {"a4-18", StockKind::kSheet, kA4Width, kA4Height, 3, 6, 70.0, 42.3, 21.2, 0.0, false},
    {"a4-21", StockKind::kSheet, kA4Width, kA4Height, 3, 7, 70.0, 42.43, 0.0, 0.0, false},
    {"a4-24", StockKind::kSheet, kA4Width, kA4Height, 3, 8, 66.0, 33.9, 12.9, 6.0, false},
    {"a4-44", StockKind::kSheet, kA4Width, kA4Height, 4, 11, 48.3, 25.4, 8.8, 8.4, false},
    {"naga3", StockKind::kEnvelope, 120, 235, 1, 1, 120, 235, 0, 0, true},
    {"naga4", StockKind::kEnvelope, 90, 205, 1, 1, 90, 205, 0, 0, true},
    {"kaku2", StockKind::kEnvelope, 240, 332, 1, 1, 240, 332, 0, 0, false},
    {"you2", StockKind::kEnvelope, 114, 162, 1, 1, 114, 162, 0, 0, false},
    {"postcard", StockKind::kPostcard, 100, 148, 1, 1, 100, 148, 0, 0, true},
};

const char kCustom[] = "custom:";
constexpr size_t kCustomFigures = 8, kCustomWithPitch = 10;
constexpr double kTolerance = 0.005;  // mm: figures given to 0.01

// Japan Post's code boxes (郵便番号枠) on postcards and 長形 envelopes:
// the row's top 12 mm below the top edge and its right end 8 mm from the
// right edge; boxes 5.7 wide and 8 high, 1.3 mm apart among the first
// three, 1.9 mm between the third and the fourth, 1.1 mm among the last four.
constexpr double kBoxTop = 12.0, kBoxRightMargin = 8.0;
constexpr double kBoxWidth = 5.7, kBoxHeight = 8.0;
constexpr double kBoxGaps[kCodeBoxCount - 1] = {1.3, 1.3, 1.9, 1.1, 1.1, 1.1};

Stock FromNamed(const NamedStock& named) {
  Stock stock;
  stock.name = named.name;
  stock.kind = named.kind;
  stock.paperWidth = named.paperWidth;
  stock.paperHeight = named.paperHeight;
  stock.columns = named.columns;
  stock.rows = named.rows;
  stock.labelWidth = named.labelWidth;
  stock.labelHeight = named.labelHeight;
  stock.pitchX = named.labelWidth;
  stock.pitchY = named.labelHeight;
  stock.top = named.top;
  stock.left = named.left;
  stock.codeBoxes = named.codeBoxes;
  return stock;
}

// "210,297,2,6,86.4,42.3,21.2,18.6": positive numbers only.
bool ReadFigures(std::string_view text, std::vector<double>& figures) {
  const std::string copy(text);
  const char* p = copy.c_str();
  for (;;) {
    char* end = nullptr;
    const double value = std::strtod(p, &end);
    if (end == p || !(value >= 0) || value > 10000) return false;
    figures.push_back(value);
    if (*end == '\0') return true;
    if (*end != ',') return false;
    p = end + 1;
  }
}

bool IsCount(double value) { return value >= 1 && value <= 100 && value == static_cast<double>(static_cast<size_t>(value)); }

bool ReadCustom(std::string_view figuresText, Stock& stock) {
  std::vector<double> f;
  if (!ReadFigures(figuresText, f) || (f.size() != kCustomFigures && f.size() != kCustomWithPitch)) return false;
  if (!IsCount(f[2]) || !IsCount(f[3])) return false;
  stock = Stock();
  stock.name = std::string(kCustom) + std::string(figuresText);
  stock.paperWidth = f[0];
  stock.paperHeight = f[1];
  stock.columns = static_cast<size_t>(f[2]);
  stock.rows = static_cast<size_t>(f[3]);
  stock.labelWidth = f[4];
  stock.labelHeight = f[5];
  stock.top = f[6];
  stock.left = f[7];
  stock.pitchX = f.size() == kCustomWithPitch ? f[8] : f[4];
  stock.pitchY = f.size() == kCustomWithPitch ? f[9] : f[5];
  const bool sized = stock.labelWidth > 0 && stock.labelHeight > 0 && stock.paperWidth > 0 && stock.paperHeight > 0;
  const bool apart = stock.pitchX + kTolerance >= stock.labelWidth && stock.pitchY + kTolerance >= stock.labelHeight;
  const double right = stock.left + stock.pitchX * static_cast<double>(stock.columns - 1) + stock.labelWidth;
  const double bottom = stock.top + stock.pitchY * static_cast<double>(stock.rows - 1) + stock.labelHeight;
  return sized && apart && right <= stock.paperWidth + kTolerance && bottom <= stock.paperHeight + kTolerance;
}

}  // namespace

bool FindStock(std::string_view name, Stock& stock) {
  for (const NamedStock& named : kStocks) {
    if (name == named.name) {
      stock = FromNamed(named);
      return true;
    }
  }
  const std::string_view custom(kCustom);
  return name.substr(0, custom.size()) == custom && ReadCustom(name.substr(custom.size()), stock);
}

std::string StockNames() {
  std::string names;
  for (const NamedStock& named : kStocks) names += std::string(names.empty() ? "" : " ") + named.name;
  return names + " custom:...";
}

Rect CodeBox(const Stock& stock, size_t index) {
  double x = stock.paperWidth - kBoxRightMargin - kBoxWidth;
  for (size_t i = kCodeBoxCount - 1; i > index; --i) x -= kBoxGaps[i - 1] + kBoxWidth;
  return Rect{x, kBoxTop, kBoxWidth, kBoxHeight};
}

}  // namespace labels
