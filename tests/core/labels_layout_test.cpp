// The labels' layout over a table of stocks and labels: every item inside
// its label, texts apart, the barcode's geometry at the size chosen and its
// blank, the code in its boxes; the stocks' figures and the honorifics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "barcode/customer_barcode.h"
#include "labels/layout.h"
#include "labels/stock.h"
#include "labels/text_fit.h"

namespace {

using labels::Label;
using labels::Rect;

constexpr double kEps = 1e-6;

bool Inside(const Rect& inner, const Rect& outer, double margin) {
  return inner.x >= outer.x + margin - kEps && inner.y >= outer.y + margin - kEps &&
         inner.Right() <= outer.Right() - margin + kEps && inner.Bottom() <= outer.Bottom() - margin + kEps;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.Right() - kEps && b.x < a.Right() - kEps && a.y < b.Bottom() - kEps && b.y < a.Bottom() - kEps;
}

// Wider than full-width for Latin, as a proportional font may be: fitting
// must hold whatever the back end's advances are.
class WideLatinMetrics : public labels::FontMetrics {
 public:
  double Advance(uint32_t codePoint) const override { return codePoint < 0x80 ? 0.7 : 1.0; }
};

Label MakeLabel(const std::string& code, const std::string& address, const std::string& building,
                const std::string& company, const std::string& department, const std::string& name, const char* data) {
  Label label;
  label.code = code;
  label.address = address;
  label.building = building;
  label.company = company;
  label.department = department;
  label.name = name;
  label.honorific = labels::Honorific(labels::HonorificRule::kAuto, name, company, department);
  if (data != nullptr) {
    barcode::EncodeData(data, label.barcode);
    label.noBarcode = labels::NoBarcode::kNone;
  }
  return label;
}

std::vector<Label> TableOfLabels() {
  const std::string longAddress =
      u8"北海道札幌市中央区北一条西二十丁目一番地二十三号　札幌北一条ビルディング本館東棟";
  const std::string longCompany =
      u8"モメンティブ・パフォーマンス・マテリアルズ・ジャパン　合同会社　太田事業所　第二製造部";
  std::vector<Label> table = {
      MakeLabel("100-0001", u8"東京都千代田区千代田１－１", u8"皇居ビル３階", u8"株式会社　千代田", u8"総務部",
                u8"山田 太郎", "10000011-1-3"),
      MakeLabel("060-0001", longAddress, longAddress, longCompany, longCompany, u8"長谷川 由紀子", "060000120-1-23"),
      MakeLabel("", u8"大阪府", "", "", "", "", nullptr),  // empty parts, no code, no barcode
      MakeLabel("530-0001", u8"大阪府大阪市北区梅田１－１－３", "", u8"梅田商事株式会社", "", "", "53000011-1-3"),
      MakeLabel("9999-99", "ABC street 1-2-3 Some Long Latin Address Line", "", "", "", "John Smith", nullptr),
  };
  for (size_t i = 0; i < table.size(); ++i) table[i].line = static_cast<long>(i + 1);
  return table;
}

struct StockCase {
  const char* stock;
  double barcodePoints;  // 0: too narrow for it
  std::string tooLong;   // the labels refused as too long, by line
};

// From the largest label down to the narrowest that still holds the barcode.
const StockCase kStockCases[] = {
        {"a4-10", 10.0, ""}, {"a4-12", 10.0, ""}, {"a4-18", 8.2, ""},  {"a4-21", 8.2, ""}, {"a4-24", 0, ""},
    {"a4-44", 0, "2 "},   {"naga3", 10.0, ""}, {"naga4", 8.2, ""},  {"kaku2", 10.0, ""}, {"you2", 10.0, ""},
    {"postcard", 9.5, ""},
    {"custom:210,297,3,8,67.84,36,0,0", 8.0, "2 "},  // 8 pt's bars and blanks exactly
    {"custom:210,297,3,8,67.8,36,0,0", 0, ""},
};

void CheckBarcode(const labels::Page& page, size_t first, const Rect& box, const std::vector<Rect>& texts,
                  double points, const std::string& where) {
  const double scale = points / 10.0;
  double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
  for (size_t i = 0; i < barcode::kBarCount; ++i) {
    const Rect& bar = page.bars[first + i];
    EXPECT_NEAR(bar.width, 0.6 * scale, 0.01) << where;
    EXPECT_TRUE(bar.height > 1.2 * scale - 0.01 && bar.height < 3.6 * scale + 0.01) << where;
    if (i > 0) {
      EXPECT_NEAR(bar.x - page.bars[first + i - 1].x, 1.2 * scale, 0.01) << where << " bar " << i;
    }
    left = std::min(left, bar.x), right = std::max(right, bar.Right());
    top = std::min(top, bar.y), bottom = std::max(bottom, bar.Bottom());
  }
  EXPECT_NEAR(bottom - top, 3.6 * scale, 0.01) << where;
  const Rect blank{left - 2.0, top - 2.0, right - left + 4.0, bottom - top + 4.0};
  EXPECT_TRUE(Inside(blank, box, 0)) << where << ": the barcode's blank leaves the label";
  for (const Rect& text : texts) EXPECT_FALSE(Overlap(text, blank)) << where << ": a text in the barcode's blank";
  // Directly under the name: the last line's em ends where the blank begins.
  double lowest = 0;
  for (const Rect& text : texts) lowest = std::max(lowest, text.Bottom());
  EXPECT_NEAR(blank.y, lowest, 0.01) << where;
}

void CheckPage(const labels::Layout& layout, const labels::Page& page, double points, const std::string& stock) {
  size_t bars = 0;
  for (const labels::LabelPlace& place : page.labels) {
    const std::string where = stock + " label " + std::to_string(place.label);
    std::vector<Rect> texts;
    for (const labels::TextRun& run : page.texts) {
      const Rect box = run.Box();
      if (!Overlap(box, place.box)) continue;
      EXPECT_TRUE(Inside(box, place.box, labels::kMarginMm)) << where << ": " << run.text;
      EXPECT_GE(run.points, labels::kLeastPoints) << where;
      for (const Rect& other : texts) EXPECT_FALSE(Overlap(box, other)) << where << ": " << run.text;
      texts.push_back(box);
    }
    if (place.noBarcode != labels::NoBarcode::kNone) continue;
    std::vector<Rect> recipient;  // the code boxes' digits are not the recipient's lines
    for (const Rect& text : texts) {
      if (!layout.stock().codeBoxes || text.y > labels::CodeBox(layout.stock(), 0).Bottom()) recipient.push_back(text);
    }
    CheckBarcode(page, bars, place.box, recipient, points, where);
    bars += barcode::kBarCount;
  }
  EXPECT_EQ(bars, page.bars.size()) << stock;
}

TEST(LabelsLayout, EveryItemInsideItsLabelAndTheBarcodeAtItsSize) {
  const labels::MonospaceMetrics monospace;
  const WideLatinMetrics wideLatin;
  for (const labels::FontMetrics* metrics : {static_cast<const labels::FontMetrics*>(&monospace),
                                             static_cast<const labels::FontMetrics*>(&wideLatin)}) {
    for (const StockCase& c : kStockCases) {
      labels::Stock stock;
      ASSERT_TRUE(labels::FindStock(c.stock, stock)) << c.stock;
      labels::LayoutOptions options;
      options.barcodes = c.barcodePoints != 0;
      labels::Layout layout(stock, options, *metrics);
      const labels::Check check = layout.Fit(TableOfLabels());
      EXPECT_NEAR(check.barcodePoints, c.barcodePoints, 0.05) << c.stock;
      std::string tooLong;
      for (long line : check.tooLong) tooLong += std::to_string(line) + " ";
      EXPECT_EQ(c.tooLong, tooLong) << c.stock;
      labels::Page page;
      for (size_t p = 0; p < layout.PageCount(); ++p) {
        layout.MakePage(p, page);
        CheckPage(layout, page, check.barcodePoints, c.stock);
      }
    }
  }
}

// Japan Post's code boxes: 7 boxes 5.7 × 8 mm, 12 mm below the top, the row
// ending 8 mm from the right edge, 1.3 mm apart in the first three, 1.9 mm
// between the third and the fourth, 1.1 mm in the last four.
TEST(LabelsLayout, CodeDigitsStandInTheirBoxes) {
  const double lefts[] = {44.3, 51.3, 58.3, 65.9, 72.7, 79.5, 86.3};  // on a 100 mm postcard
  for (const char* name : {"postcard", "naga3", "naga4"}) {
    labels::Stock stock;
    ASSERT_TRUE(labels::FindStock(name, stock));
    const double shift = stock.paperWidth - 100.0;
    const labels::MonospaceMetrics metrics;
    labels::Layout layout(stock, labels::LayoutOptions(), metrics);
    layout.Fit({MakeLabel("263-0023", u8"千葉県千葉市稲毛区緑町３丁目３０－８", u8"郵便ビル４０３号", "", "",
                          u8"郵便 太郎", "26300233-30-8-403")});
    labels::Page page;
    layout.MakePage(0, page);
    std::string digits;
    for (size_t i = 0; i < labels::kCodeBoxCount; ++i) {
      const Rect box = labels::CodeBox(stock, i);
      EXPECT_NEAR(box.x, lefts[i] + shift, 0.01) << name << " box " << i;
      EXPECT_NEAR(box.y, 12.0, 0.01);
      EXPECT_NEAR(box.width, 5.7, 0.01);
      EXPECT_NEAR(box.height, 8.0, 0.01);
      for (const labels::TextRun& run : page.texts) {
        if (Inside(run.Box(), box, 0.3)) digits += run.text;
      }
    }
    EXPECT_EQ("2630023", digits) << name;
    for (const labels::TextRun& run : page.texts) {
      EXPECT_EQ(std::string::npos, run.text.find("263-0023")) << name << ": the code printed twice";
    }
  }
}

// The start position, the offset and the order as the 区分 discount wants it.
TEST(LabelsLayout, StartOffsetAndOrderPlaceTheLabels) {
  labels::Stock stock;
  ASSERT_TRUE(labels::FindStock("a4-12", stock));
  std::vector<Label> list;
  for (const char* code : {"530-0001", "", "100-0001", "530-0001", "060-0001"}) {
    list.push_back(MakeLabel(code, u8"住所", "", "", "", u8"名前", nullptr));
    list.back().line = static_cast<long>(list.size());
  }
  labels::LayoutOptions options;
  options.start = 11;  // two labels left on a used sheet
  options.offsetX = 1.5;
  options.offsetY = -0.5;
  options.order = labels::Order::kCode;
  const labels::MonospaceMetrics metrics;
  labels::Layout layout(stock, options, metrics);
  EXPECT_EQ(2u, layout.Fit(list).pages);
  std::string order;
  for (const Label& label : layout.labels()) order += std::to_string(label.line);
  EXPECT_EQ("53142", order) << "by code, stable, without one last";
  labels::Page page;
  layout.MakePage(0, page);
  ASSERT_EQ(2u, page.labels.size());
  EXPECT_NEAR(page.labels[0].box.x, 18.6 + 1.5, kEps);                // label 11: left column
  EXPECT_NEAR(page.labels[0].box.y, 21.2 + 5 * 42.3 - 0.5, kEps);     // of the last row
  EXPECT_NEAR(page.labels[1].box.x, 18.6 + 86.4 + 1.5, kEps);
  layout.MakePage(1, page);
  EXPECT_EQ(3u, page.labels.size());
  EXPECT_NEAR(page.labels[0].box.y, 21.2 - 0.5, kEps);
}

// 1 em a character: 10 of them are 35.3 mm at 10 pt.
double FullWidthEms(std::string_view utf8) {
  double ems = 0;
  for (char c : utf8) ems += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1.0 : 0.0;
  return ems;
}

TEST(LabelsLayout, ALineIsSetSmallerThenWrappedOnceNeverCut) {
  const std::string ten = u8"一二三四五六七八九十";
  const struct {
    const char* rule;
    std::string text;
    double width;
    const char* lines;  // joined by "|", "" for refused
    double points;
  } cases[] = {
      {"fits as it is", ten, 40, u8"一二三四五六七八九十", 10},
      {"set smaller", ten, 28.3, u8"一二三四五六七八九十", 8.0},
      {"wrapped where both halves are shortest", ten + ten + ten, 40,
       u8"一二三四五六七八九十一二三四五|六七八九十一二三四五六七八九十", 7.5},
      {"wrapped at the blank when it costs little", ten + ten + u8"　" + ten, 40,
       u8"一二三四五六七八九十一二三四五六七八九十|一二三四五六七八九十", 5.6},
      {"not at a blank that would not fit", ten + ten + u8"一二三四五六　" + ten + u8"一二三四", 50,
       u8"一二三四五六七八九十一二三四五六七八九十|一二三四五六　一二三四五六七八九十一二三四", 6.7},
      {"refused rather than cut", ten + ten + ten + ten + ten + ten, 50, "", 0},
  };
  for (const auto& c : cases) {
    std::vector<labels::FittedText> lines;
    const bool fitted = labels::FitText(c.text, c.width, 10, 5.5, FullWidthEms, lines);  // least 5.5 pt
    std::string joined;
    for (const auto& line : lines) {
      joined += (joined.empty() ? "" : "|") + line.text;
      EXPECT_NEAR(c.points, line.points, 1e-9) << c.rule;
      EXPECT_LE(line.ems * line.points * labels::kMmPerPoint, c.width + 1e-9) << c.rule;
    }
    EXPECT_EQ(c.lines, joined) << c.rule;
    EXPECT_EQ(fitted, !joined.empty()) << c.rule;
  }
}

TEST(LabelsLayout, StocksByNameAndFigures) {
  const struct {
    const char* name;
    bool found;
    size_t perPage;
    double labelWidth;
  } cases[] = {
      {"a4-10", true, 10, 86.4},
      {"a4-44", true, 44, 48.3},
      {"kaku2", true, 1, 240},
      {"custom:210,297,2,6,86.4,42.3,21.2,18.6", true, 12, 86.4},
      {"custom:210,297,2,6,80,40,20,10,90,45", true, 12, 80},   // with pitch
      {"custom:210,297,3,6,86.4,42.3,21.2,18.6", false, 0, 0},  // past the paper
      {"custom:210,297,2,6,86.4,42.3,21.2,18.6,80,42.3", false, 0, 0},  // overlapping
      {"custom:210,297,2.5,6,86.4,42.3,0,0", false, 0, 0},
      {"custom:210,297,2,6,86.4", false, 0, 0},
      {"a4-13", false, 0, 0},
  };
  for (const auto& c : cases) {
    labels::Stock stock;
    EXPECT_EQ(c.found, labels::FindStock(c.name, stock)) << c.name;
    if (!c.found) continue;
    EXPECT_EQ(c.perPage, stock.PerPage()) << c.name;
    EXPECT_NEAR(c.labelWidth, stock.labelWidth, kEps) << c.name;
  }
}

TEST(LabelsLayout, HonorificByRuleUnlessTheListWroteOne) {
  using labels::HonorificRule;
  const struct {
    HonorificRule rule;
    const char *name, *company, *department, *honorific;
  } cases[] = {
      {HonorificRule::kAuto, u8"山田 太郎", u8"株式会社", "", u8"様"},
      {HonorificRule::kAuto, "", u8"株式会社", "", u8"御中"},
      {HonorificRule::kAuto, "", u8"株式会社", u8"総務部", u8"御中"},
      {HonorificRule::kAuto, u8"山田先生", "", "", ""},
      {HonorificRule::kAuto, "", u8"関係者各位", "", ""},
      {HonorificRule::kOnchu, u8"山田 太郎", "", "", u8"御中"},
      {HonorificRule::kSama, "", u8"株式会社", "", u8"様"},
      {HonorificRule::kNone, u8"山田 太郎", "", "", ""},
      {HonorificRule::kAuto, "", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.honorific, labels::Honorific(c.rule, c.name, c.company, c.department)) << c.name << c.company;
  }
}

}  // namespace
