// The CSV annotator: rows kept byte for byte, code and status added.
#include <gtest/gtest.h>

#include <string>

#include "lists/csv_annotate.h"
#include "lists/csv_guess.h"
#include "tests/common/resolver_book.h"

namespace {

// Literals here are cp932; u8 literals stay UTF-8.
const resolver::AddressBook& Book() {
  static const resolver::AddressBook book = [] {
    resolver::AddressBook b;
    const std::string bytes = test_lines::CrLfLines(test_lines::ResolverBookLines());
    b.LoadFromMemory(bytes.data(), bytes.size());
    return b;
  }();
  return book;
}

struct Annotated {
  lists::CsvResult result;
  std::string out;
};

Annotated Annotate(const std::string& in, lists::CsvColumns columns, const lists::CsvProgress& progress = {}) {
  Annotated a;
  a.result = lists::AnnotateCsv(Book(), in.data(), in.size(), columns, [&](const char* d, size_t n) { a.out.append(d, n); },
                                   progress);
  return a;
}

lists::CsvColumns Columns(size_t address, bool header = false, size_t code = 0) {
  lists::CsvColumns c;
  c.address = address;
  c.header = header;
  c.code = code;
  return c;
}

}  // namespace

TEST(CsvAnnotate, KeepsEachRowsBytesAndAddsCodeAndStatusBeforeItsLineEnd) {
  const struct {
    const char* name;
    std::string in;
    lists::CsvColumns columns;
    std::string out;
  } cases[] = {
      {"Shift-JIS, CR LF, header, quotes holding commas, quotes and a line break; last row without a line end",
       "id,addr\r\n1,\"東京都港区赤坂1,2\"\r\n2,\"東京都\"\"渋谷区\"\"\"\r\n3,\"東京都渋谷区神宮前\r\n1-1\"\r\n4,北海道札幌市中央区北一条",
       Columns(2, true),
       "id,addr,郵便番号,判定\r\n1,\"東京都港区赤坂1,2\",1070052,exact\r\n2,\"東京都\"\"渋谷区\"\"\",,none\r\n"
       "3,\"東京都渋谷区神宮前\r\n1-1\",,ambiguous\r\n4,北海道札幌市中央区北一条,0600000,city"},
      {"UTF-8 without a BOM, LF; a short row holds no address; a blank line stays blank",
       u8"東京都港区芝公園4,x\n\nonly\n大阪府大阪市\n", Columns(1),
       u8"東京都港区芝公園4,x,1050011,exact\n\nonly,,none\n大阪府大阪市,,none\n"},
      {"UTF-8 with a BOM: the header's names in UTF-8", u8"\uFEFF住所\r\n東京都港区赤坂\r\n", Columns(1, true),
       u8"\uFEFF住所,郵便番号,判定\r\n東京都港区赤坂,1070052,exact\r\n"},
      {"a short row with the address column past its end", "a\r\n", Columns(3), "a,,none\r\n"},
  };
  for (const auto& c : cases) {
    const Annotated a = Annotate(c.in, c.columns);
    EXPECT_EQ(lists::CsvOutcome::kDone, a.result.outcome) << c.name;
    EXPECT_EQ(c.out, a.out) << c.name;
  }
}

TEST(CsvAnnotate, CodeColumnGivesTheAgreementInTheFilesEncoding) {
  const std::string rows =
      "東京都港区赤坂,1070052\r\n東京都港区赤坂,〒１０５－００１１\r\n東京都渋谷区神宮前,1500009\r\n"
      "東京都港区芝公園\r\n大阪府,1000001\r\n";
  const Annotated sjis = Annotate("addr,code\r\n" + rows, Columns(1, true, 2));
  EXPECT_EQ("addr,code,郵便番号,判定,照合\r\n"
            "東京都港区赤坂,1070052,1070052,exact,一致\r\n"
            "東京都港区赤坂,〒１０５－００１１,1070052,exact,不一致\r\n"
            "東京都渋谷区神宮前,1500009,,ambiguous,候補内\r\n"
            "東京都港区芝公園,1050011,exact,判定不能\r\n"
            "大阪府,1000001,,none,判定不能\r\n",
            sjis.out);
  const lists::CsvCounts& n = sjis.result.counts;
  EXPECT_EQ(5u, n.rows);
  EXPECT_EQ((std::vector<size_t>{3, 1, 0, 1}), std::vector<size_t>(n.byStatus, n.byStatus + 4));
  EXPECT_EQ((std::vector<size_t>{1, 1, 1, 2}), std::vector<size_t>(n.byAgreement, n.byAgreement + 4));

  const Annotated utf8 = Annotate(u8"東京都港区赤坂,1070052\n東京都渋谷区神宮前,1500001", Columns(1, false, 2));
  EXPECT_EQ(u8"東京都港区赤坂,1070052,1070052,exact,一致\n東京都渋谷区神宮前,1500001,,ambiguous,候補内", utf8.out);
}

TEST(CsvAnnotate, UnclosedQuoteNamesTheLineOfItsRowAndWritesNothing) {
  const Annotated a = Annotate("a\r\n\"b\r\nc\"\r\nd,\"e\r\nf\r\n", Columns(1));
  EXPECT_EQ(lists::CsvOutcome::kUnclosedQuote, a.result.outcome);
  EXPECT_EQ(4, a.result.line);
  EXPECT_EQ("", a.out);
}

TEST(CsvAnnotate, ProgressCanCancel) {
  const Annotated a = Annotate("東京都港区赤坂\r\n東京都港区芝公園\r\n", Columns(1), [](size_t done, size_t total) {
    EXPECT_LT(done, total);
    return false;
  });
  EXPECT_EQ(lists::CsvOutcome::kCancelled, a.result.outcome);
  EXPECT_EQ("東京都港区赤坂,1070052,exact\r\n", a.out);
}

TEST(CsvAnnotate, EncodingIsReadFromTheBytes) {
  const struct {
    std::string bytes;
    lists::CsvEncoding encoding;
  } cases[] = {
      {u8"\uFEFFabc", lists::CsvEncoding::kUtf8WithBom},
      {u8"港区", lists::CsvEncoding::kUtf8},
      {"港区", lists::CsvEncoding::kCp932},
      {"plain ascii", lists::CsvEncoding::kCp932},
      {u8"港区\xFF", lists::CsvEncoding::kCp932},
  };
  for (const auto& c : cases) EXPECT_EQ(c.encoding, lists::DetectCsvEncoding(c.bytes.data(), c.bytes.size())) << c.bytes;
  EXPECT_EQ("港区??", lists::CellAsCp932(u8"港区\U0001F600\xFF", lists::CsvEncoding::kUtf8));
}

TEST(CsvGuess, ColumnsAndHeaderAsADialogWouldOfferThem) {
  const struct {
    const char* name;
    std::string csv;
    size_t address, code;
    bool header;
  } cases[] = {
      {"header, code before address", "name,code,address\r\nA,107-0052,東京都港区赤坂\r\nB,〒1050011,東京都港区芝公園\r\n", 3, 2,
       true},
      {"no header, no code", u8"x,東京都港区赤坂\ny,大阪府\nz,北海道札幌市中央区\n", 2, 0, false},
      {"nothing resolves", "a,b\r\n1,2\r\n", 0, 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.address, lists::GuessAddressColumn(Book(), c.csv.data(), c.csv.size())) << c.name;
    EXPECT_EQ(c.code, lists::GuessCodeColumn(c.csv.data(), c.csv.size())) << c.name;
    EXPECT_EQ(c.header, lists::GuessHeaderRow(Book(), c.csv.data(), c.csv.size(), c.address)) << c.name;
  }
}
