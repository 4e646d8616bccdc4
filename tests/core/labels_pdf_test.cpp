// kuranto-query labels read back as a user's printer would: the PDF's
// pages turned into pixels and their barcodes read and decoded, equal to
// what barcode gives each row of a real list; the texts' places inside
// their labels; a postcard's code in its boxes; the counts file of labels
// per 郵便区番号. Literals are cp932.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "lists/csv_reader.h"
#include "tests/common/resolver_book.h"
#include "tests/core/bar_reader.h"
#include "tests/core/test_support.h"

namespace {

using testing_support::RunQueryTool;
using testing_support::TempDir;

constexpr double kDpi = 400;
constexpr double kMmPerPt = 25.4 / 72;
// An A4 sheet of 12 labels as its makers cut them: 2 × 6 of 86.4 × 42.3
// mm, the first 21.2 mm from the top and 18.6 mm from the left.
constexpr double kLeft = 18.6, kTop = 21.2, kWidth = 86.4, kHeight = 42.3;
constexpr size_t kColumns = 2, kPerSheet = 12;

struct Row {
  std::string company, name, code, address;
};

std::vector<std::string> Cells(const std::string& line) {
  lists::CsvReader reader(line.data(), line.size());
  lists::CsvRow row;
  return reader.Next(row) == lists::CsvReader::kRow ? row.cells : std::vector<std::string>();
}

std::string Quoted(const std::string& cell) { return "\"" + cell + "\""; }

// Offices from JIGYOSYO.CSV, every 90th, with their own codes; people at
// towns of KEN_ALL.CSV, every 1500th without a note, with a lot and a
// building: every third with no code, every seventh with another row's.
std::vector<Row> RealList(const std::string& offices, const std::string& towns) {
  std::vector<Row> rows;
  std::ifstream officeFile(offices, std::ios::binary);
  size_t n = 0;
  for (std::string line; std::getline(officeFile, line);) {
    const std::vector<std::string> c = Cells(line);
    if (n++ % 90 != 0 || c.size() < 8) continue;
    rows.push_back(Row{c[2], "", c[7].substr(0, 3) + "-" + c[7].substr(3), c[3] + c[4] + c[5] + c[6]});
  }
  std::ifstream townFile(towns, std::ios::binary);
  n = 0;
  for (std::string line; std::getline(townFile, line);) {
    const std::vector<std::string> c = Cells(line);
    if (n++ % 1500 != 0 || c.size() < 9 || c[8].find("（") != std::string::npos || c[8].find("以下") != std::string::npos) {
      continue;
    }
    const size_t i = rows.size();
    const std::string code = i % 3 == 0 ? "" : i % 7 == 0 ? rows[i / 2].code : c[2];
    rows.push_back(Row{"", "山田 太郎", code, c[6] + c[7] + c[8] + "１－２－３　ＡＢＣビル２０１"});
  }
  return rows;
}

std::string ListCsv(const std::vector<Row>& rows) {
  std::string csv = "会社,氏名,郵便番号,住所\r\n";
  for (const Row& r : rows) csv += Quoted(r.company) + "," + Quoted(r.name) + "," + r.code + "," + Quoted(r.address) + "\r\n";
  return csv;
}

// What barcode gives each row's code (the list's own, else the resolver's)
// and address; "" where the row should have none: without a code of its
// own not exact (nor an office's), with one not agreeing with the address.
std::vector<std::string> ExpectedData(const std::string& dir, const std::string& list, size_t rows) {
  const auto resolved = RunQueryTool({"--dir", dir, "--cp932", "resolve", "--csv", list, "--header", "--column", "4",
                                      "--code-column", "3", "--name-column", "1", "--barcode"});
  std::vector<std::string> expected;
  std::string input;
  lists::CsvReader reader(resolved.out.data(), resolved.out.size());
  lists::CsvRow row;
  reader.Next(row);  // the header
  std::vector<bool> printed;
  while (reader.Next(row) == lists::CsvReader::kRow) {
    const std::vector<std::string>& c = row.cells;  // ..., CODE, STATUS, AGREEMENT, BARCODE
    const std::string& agreement = c[c.size() - 2];
    printed.push_back(c[2].empty() ? !c.back().empty() : agreement == "一致" || agreement == "事業所");
    input += (c[2].empty() ? c[c.size() - 4] : c[2]) + "\t" + c[3] + "\n";
  }
  const auto barcodes = RunQueryTool({"--dir", dir, "--cp932", "barcode"}, input, {});
  std::istringstream lines(barcodes.out);
  for (std::string line; std::getline(lines, line);) {
    expected.push_back(printed[expected.size()] ? line.substr(0, line.find('\t')) : "");
  }
  EXPECT_EQ(rows, expected.size()) << resolved.err << barcodes.err;
  return expected;
}

struct Word {
  double x0, y0, x1, y1;  // mm
  std::string text;
  int page;
};

std::vector<Word> Words(const std::string& pdf, const std::string& html) {
  const std::string command = "pdftotext -bbox '" + pdf + "' '" + html + "'";
  EXPECT_EQ(0, std::system(command.c_str()));
  std::ifstream file(html);
  std::vector<Word> words;
  int page = -1;
  const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
  for (std::string line; std::getline(file, line);) {
    if (line.find("<page ") != std::string::npos) ++page;
    std::smatch m;
    if (!std::regex_search(line, m, word)) continue;
    words.push_back(Word{std::stod(m[1]) * kMmPerPt, std::stod(m[2]) * kMmPerPt, std::stod(m[3]) * kMmPerPt,
                         std::stod(m[4]) * kMmPerPt, m[5], page});
  }
  return words;
}

TEST(LabelsPdf, BarcodesReadFromThePixelsAreBarcodesDataAndTextsStayInTheirLabels) {
  const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
  const std::string towns = testing_support::SharedDataFile("KEN_ALL.CSV");
  if (offices.empty() || towns.empty()) GTEST_SKIP() << "no KEN_ALL.CSV or JIGYOSYO.CSV in ../shared/data";
  if (std::system("pdftoppm -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no pdftoppm (tools/setup.sh installs poppler-utils)";
  TempDir dir;
  testing_support::SymbolTable symbols;
  ASSERT_TRUE(symbols.Load(dir.path())) << "zint (tools/setup.sh installs it)";
  testing_support::CopyFile(towns, dir.File("Ken_all.csv"));
  testing_support::CopyFile(offices, dir.File("Jigyosyo.csv"));
  const std::vector<Row> rows = RealList(offices, towns);
  ASSERT_GT(rows.size(), 250u);
  testing_support::WriteFile(dir.File("list.csv"), ListCsv(rows));
  const auto run = RunQueryTool({"--dir", dir.path(), "--cp932", "labels", "--csv", dir.File("list.csv"), "--header",
                                 "--company-column", "1", "--name-column", "2", "--code-column", "3", "--column", "4",
                                 "--stock", "a4-12", "--pdf", dir.File("labels.pdf")});
  ASSERT_EQ(0, run.exitCode) << run.err;
  const std::vector<std::string> expected = ExpectedData(dir.path(), dir.File("list.csv"), rows.size());
  const std::string render = "pdftoppm -gray -r 400 '" + dir.File("labels.pdf") + "' '" + dir.File("page") + "'";
  ASSERT_EQ(0, std::system(render.c_str()));
  const size_t pages = (rows.size() + kPerSheet - 1) / kPerSheet;
  size_t read = 0, wrong = 0;
  for (size_t p = 0; p < pages; ++p) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%02zu.pgm", p + 1);
    testing_support::GreyImage image;
    ASSERT_TRUE(testing_support::ReadPgm(dir.File(name), image)) << name;
    for (size_t slot = 0; slot < kPerSheet && p * kPerSheet + slot < rows.size(); ++slot) {
      const size_t i = p * kPerSheet + slot;
      const double x = kLeft + (slot % kColumns) * kWidth, y = kTop + (slot / kColumns) * kHeight;
      const testing_support::ReadBarcode bar = testing_support::FindBarcode(image, kDpi, x, y, x + kWidth, y + kHeight);
      const std::string data = bar.found ? symbols.Decode(bar.bars) : "";
      if (data != expected[i] && ++wrong <= 5) {
        ADD_FAILURE() << "label " << i + 1 << " " << rows[i].address << ": read " << data << " (" << bar.bars
                      << "), barcode gives " << expected[i];
      }
      if (!bar.found) continue;
      ++read;
      // 10 point: pitch 1.2 mm, bars 0.6 mm, long bars 3.6 mm, timing bars 1.2 mm; 2 mm blank inside the label.
      EXPECT_NEAR(1.2, bar.pitchMm, 0.02) << i;
      EXPECT_NEAR(0.6, bar.barWidthMm, 0.1) << i;
      EXPECT_NEAR(3.6, bar.longBarMm, 0.1) << i;
      EXPECT_NEAR(1.2, bar.timingBarMm, 0.1) << i;
      EXPECT_TRUE(bar.leftMm >= x + 2 && bar.rightMm <= x + kWidth - 2 && bar.bottomMm <= y + kHeight - 2) << i;
    }
  }
  EXPECT_EQ(0u, wrong) << "of " << rows.size();
  EXPECT_GT(read * 10, rows.size() * 7) << "most of a real list's labels carry their barcode";
  EXPECT_NE(std::string::npos, run.err.find(std::to_string(read) + " barcodes printed")) << run.err;
  // Every word inside one label, at least 1.5 mm from its edges (a tenth of a mm for rounding).
  const std::vector<Word> words = Words(dir.File("labels.pdf"), dir.File("labels.html"));
  ASSERT_GT(words.size(), rows.size() * 3);
  for (const Word& w : words) {
    const int column = static_cast<int>((w.x0 - kLeft) / kWidth), line = static_cast<int>((w.y0 - kTop) / kHeight);
    const double x = kLeft + column * kWidth, y = kTop + line * kHeight, margin = 1.5 - 0.1;
    EXPECT_TRUE(column >= 0 && column < 2 && line >= 0 && line < 6 && w.x0 >= x + margin && w.x1 <= x + kWidth - margin &&
                w.y0 >= y + margin && w.y1 <= y + kHeight - margin)
        << "page " << w.page + 1 << ": " << w.text;
  }
  // The same list on postcards: the first code's digits in Japan Post's boxes.
  const auto postcards = RunQueryTool({"--dir", dir.path(), "--cp932", "labels", "--csv", dir.File("list.csv"), "--header",
                                       "--company-column", "1", "--code-column", "3", "--column", "4", "--stock",
                                       "postcard", "--pdf", dir.File("postcards.pdf")});
  ASSERT_EQ(0, postcards.exitCode) << postcards.err;
  const double boxLefts[] = {44.3, 51.3, 58.3, 65.9, 72.7, 79.5, 86.3};  // 5.7 × 8 mm, 12 mm from the top
  std::string digits;
  for (const Word& w : Words(dir.File("postcards.pdf"), dir.File("postcards.html"))) {
    if (w.page != 0 || w.y1 > 20.0) continue;
    for (double left : boxLefts) {
      if (w.x0 >= left && w.x1 <= left + 5.7 && w.y0 >= 12.0 && w.y1 <= 20.0) digits += w.text;
    }
  }
  EXPECT_EQ(rows[0].code.substr(0, 3) + rows[0].code.substr(4), digits);
}

// One line for each 郵便区番号 of a code printed, in the codes' order, with
// its labels: a municipality's own code printed counts, an ambiguous row
// (no code printed) and a row without its address column do not; the run
// writes the PDF and the counts, and nothing else.
TEST(LabelsCounts, EachDistrictOfACodePrintedWithItsLabelsAndNothingElse) {
  TempDir dir;
  testing_support::WriteFile(dir.File("Ken_all.csv"), testing_support::CrLfLines(test_lines::ResolverBookLines()));
  testing_support::WriteFile(dir.File("list.csv"),
                             "氏名,住所\r\n"
                             "山田,東京都港区赤坂1-2-3\r\n"      // exact: a barcode
                             "佐藤,東京都港区芝公園4-2-8\r\n"    // exact
                             "鈴木,東京都港区赤坂2-3-4\r\n"      // exact, the first row's district
                             "田中,北海道札幌市中央区\r\n"       // the municipality's code, no barcode
                             "高橋,東京都渋谷区神宮前1-1-1\r\n"  // two codes: none printed
                             "伊藤\r\n");                        // no address column: refused
  const auto run = RunQueryTool({"--dir", dir.path(), "--cp932", "labels", "--csv", dir.File("list.csv"), "--header",
                                 "--name-column", "1", "--column", "2", "--stock", "a4-12", "--pdf",
                                 dir.File("labels.pdf"), "--counts", dir.File("counts.csv")});
  ASSERT_EQ(0, run.exitCode) << run.err;
  EXPECT_EQ("郵便区番号,通数\r\n060,1\r\n105,1\r\n107,2\r\n", testing_support::ReadFile(dir.File("counts.csv")));
  for (const char* told : {"5 labels on 1 page of a4-12, 3 barcodes printed", "without a barcode: 2 not exact\n",
                           "addresses: exact 3 ambiguous 1 city 1 none 0 office 0\n",
                           "1 row without the address column, not printed (none): line 7\n"}) {
    EXPECT_NE(std::string::npos, run.err.find(told)) << told << "\n" << run.err;
  }
  EXPECT_EQ("", run.out);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ((std::vector<std::string>{"Ken_all.csv", "counts.csv", "labels.pdf", "list.csv"}), files);
}

}  // namespace
