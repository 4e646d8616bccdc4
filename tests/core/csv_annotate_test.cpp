// The CSV annotator: rows kept byte for byte, code and status added, the
// file streamed in blocks on several threads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/csv_annotate.h"
#include "lists/csv_guess.h"
#include "lists/csv_survey.h"
#include "lists/label_list.h"
#include "lists/address_column.h"
#include "tests/common/csv_lines.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

namespace {

// Literals here are cp932; u8 literals stay UTF-8.
using testing_support::SmallBook;

struct Annotated {
  lists::CsvResult result;
  std::string out;
};

Annotated Annotate(const std::string& in, lists::CsvColumns columns, const lists::CsvProgress& progress = {},
                   unsigned threads = 0, const resolver::AddressBook& book = SmallBook()) {
  Annotated a;
  lists::MemoryInput input(in);
  a.result = lists::AnnotateCsv(
      book, input, columns,
      [&](const char* d, size_t n) {
        a.out.append(d, n);
        return true;
      },
      progress, threads);
  return a;
}

lists::CsvColumns Columns(size_t address, bool header = false, size_t code = 0) {
  lists::CsvColumns c;
  c.address = address;
  c.header = header;
  c.code = code;
  return c;
}

std::vector<long> Lines(const lists::CsvRowLines& rows) {
  return std::vector<long>(rows.lines, rows.lines + std::min(rows.count, lists::kNamedLines));
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
       "3,\"東京都渋谷区神宮前\r\n1-1\",\"1500001,1500009\",ambiguous\r\n4,北海道札幌市中央区北一条,0600000,city"},
      {"UTF-8 without a BOM, LF; a blank line stays blank", u8"東京都港区芝公園4,x\n\nonly\n大阪府大阪市\n", Columns(1),
       u8"東京都港区芝公園4,x,1050011,exact\n\nonly,,,none\n大阪府大阪市,,,none\n"},
      {"UTF-8 with a BOM: the header's names in UTF-8", u8"\uFEFF住所\r\n東京都港区赤坂\r\n", Columns(1, true),
       u8"\uFEFF住所,郵便番号,判定\r\n東京都港区赤坂,1070052,exact\r\n"},
      {"a later row that ends before the address column: padded to the widest row", "a,b,東京都港区赤坂\r\nc\r\n",
       Columns(3), "a,b,東京都港区赤坂,1070052,exact\r\nc,,,,none\r\n"},
  };
  for (const auto& c : cases) {
    const Annotated a = Annotate(c.in, c.columns);
    EXPECT_EQ(lists::CsvOutcome::kDone, a.result.outcome) << c.name;
    EXPECT_EQ(c.out, a.out) << c.name;
  }
}

// Every row back byte for byte, in both encodings and with one thread or
// many: a short row padded to the header so that its added cells stand
// under their own names, a row holding a NUL counted apart, characters
// cp932 cannot hold kept as written.
TEST(CsvAnnotate, ShortRowsNulRowsAndCharactersOutsideCp932RoundTrip) {
  const std::string nul(1, '\0');
  const struct {
    const char* name;
    std::string in, out;
  } cases[] = {
      {"UTF-8",
       u8"id,name,addr,memo\n1,Café 𠮷,東京都港区赤坂1,2 𠮷野ビル™,m\n2,y\n3,z,東京都" + nul + u8"港区\n4,ゔぃら🏢〜\n",
       u8"id,name,addr,memo,郵便番号,判定\n1,Café 𠮷,東京都港区赤坂1,2 𠮷野ビル™,m,1070052,exact\n2,y,,,,none\n"
       u8"3,z,東京都" + nul + u8"港区,,,none\n4,ゔぃら🏢〜,,,,none\n"},
      {"Shift-JIS", "id,name,addr,memo\r\n1,x,東京都港区赤坂1\r\n2\r\n3,z,東京都" + nul + "港区,m\r\n",
       "id,name,addr,memo,郵便番号,判定\r\n1,x,東京都港区赤坂1,,1070052,exact\r\n2,,,,,none\r\n3,z,東京都" + nul +
           "港区,m,,none\r\n"},
  };
  for (const auto& c : cases) {
    for (unsigned threads : {1u, 4u}) {
      const Annotated a = Annotate(c.in, Columns(3, true), {}, threads);
      EXPECT_EQ(c.out, a.out) << c.name;
      EXPECT_EQ((std::vector<long>{4}), Lines(a.result.counts.withNul)) << c.name;
      EXPECT_EQ(0u, a.result.counts.notUtf8.count) << c.name;
    }
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
            "東京都渋谷区神宮前,1500009,\"1500001,1500009\",ambiguous,候補内\r\n"
            "東京都港区芝公園,,1050011,exact,判定不能\r\n"
            "大阪府,1000001,,none,判定不能\r\n",
            sjis.out);
  const lists::CsvCounts& n = sjis.result.counts;
  EXPECT_EQ(5u, n.rows);
  using resolver::Agreement;
  using resolver::Status;
  const lists::AddressCounts& a = n.addresses;
  EXPECT_EQ((std::vector<size_t>{3, 1, 0, 1}), (std::vector<size_t>{a.byStatus[Status::kExact], a.byStatus[Status::kAmbiguous],
                                                                    a.byStatus[Status::kCity], a.byStatus[Status::kNone]}));
  EXPECT_EQ((std::vector<size_t>{1, 1, 1, 2}),
            (std::vector<size_t>{a.byAgreement[Agreement::kAgrees], a.byAgreement[Agreement::kAmongCandidates],
                                 a.byAgreement[Agreement::kDisagrees], a.byAgreement[Agreement::kUndecidable]}));

  const Annotated utf8 = Annotate(u8"東京都港区赤坂,1070052\n東京都渋谷区神宮前,1500001", Columns(1, false, 2));
  EXPECT_EQ(u8"東京都港区赤坂,1070052,1070052,exact,一致\n東京都渋谷区神宮前,1500001,\"1500001,1500009\",ambiguous,候補内", utf8.out);
}

TEST(CsvAnnotate, AddedHeaderCellsNeverRepeatTheFilesOwn) {
  const struct {
    std::string header;
    std::string added;
  } cases[] = {
      {"住所,郵便番号", ",郵便番号（住所から）,判定,照合"},
      {"住所,判定,照合,メモ", ",郵便番号,判定（住所から）,照合（住所から）"},
      {"住所,郵便番号,郵便番号（住所から）", ",郵便番号（住所から2）,判定,照合"},
      {u8"住所,郵便番号", u8",郵便番号（住所から）,判定,照合"},
  };
  for (const auto& c : cases) {
    const Annotated a = Annotate(c.header + "\r\n", Columns(1, true, 2));
    EXPECT_EQ(c.header + c.added + "\r\n", a.out) << c.header;
  }
}

TEST(CsvAnnotate, RefusalsComeBeforeAnythingIsWritten) {
  const struct {
    const char* name;
    std::string in;
    lists::CsvColumns columns;
    lists::CsvOutcome outcome;
    long line;
    size_t width;
  } cases[] = {
      {"a quote never closed: the line its row starts on", "a\r\n\"b\r\nc\"\r\nd,\"e\r\nf\r\n", Columns(1),
       lists::CsvOutcome::kUnclosedQuote, 4, 0},
      {"the address column past the header", "住所\r\n東京都港区赤坂\r\n", Columns(2, true),
       lists::CsvOutcome::kColumnPastWidth, 0, 1},
      {"the code column past the first row; a blank line is no row", "\r\n東京都港区赤坂,1070052\r\n東京都\r\n",
       Columns(1, false, 3), lists::CsvOutcome::kColumnPastWidth, 0, 2},
      {"neither UTF-8 nor Shift-JIS", "id,addr\r\n1,\x80\x80\r\n", Columns(2), lists::CsvOutcome::kNotText, 2, 0},
      {"UTF-16 without its byte order mark", testing_support::Utf16(u8"名前\t住所\r\n郵便\t東京都港区赤坂1-2-3\r\n").substr(2),
       Columns(2), lists::CsvOutcome::kUtf16WithoutBom, 1, 0},
      {"UTF-16 big-endian without it", testing_support::Utf16(u8"id,addr\r\n1,東京都港区赤坂\r\n", true).substr(2), Columns(2),
       lists::CsvOutcome::kUtf16WithoutBom, 1, 0},
      {"CR alone ends the lines", "a,東京都港区赤坂\rb,東京都\r", Columns(2), lists::CsvOutcome::kCrOnly, 1, 0},
      {"in UTF-16 too", testing_support::Utf16(u8"a,東京都港区赤坂\rb,東京都\r"), Columns(2), lists::CsvOutcome::kCrOnly, 1, 0},
  };
  for (const auto& c : cases) {
    const Annotated a = Annotate(c.in, c.columns);
    EXPECT_EQ(c.outcome, a.result.outcome) << c.name;
    EXPECT_EQ(c.line, a.result.line) << c.name;
    EXPECT_EQ(c.width, a.result.width) << c.name;
    EXPECT_EQ("", a.out) << c.name;
  }
}

TEST(CsvAnnotate, UnicodeTextAndTabSeparatedFilesKeepTheirBytesAndSeparator) {
  const std::string excel = u8"名前\t住所\r\n郵便\t東京都港区赤坂1-2-3\r\n\"a\tb\"\t北海道札幌市中央区\r\n";
  const std::string excelOut = u8"名前\t住所\t郵便番号\t判定\r\n郵便\t東京都港区赤坂1-2-3\t1070052\texact\r\n"
                               u8"\"a\tb\"\t北海道札幌市中央区\t0600000\tcity\r\n";
  lists::CsvColumns tab = Columns(2);
  tab.separator = lists::Separator::kTab;
  const struct {
    const char* name;
    std::string in;
    lists::CsvColumns columns;
    std::string out;
    lists::Utf16Order utf16;
    char separator;
  } cases[] = {
      {"Excel's Unicode text", testing_support::Utf16(excel), Columns(2, true), testing_support::Utf16(excelOut), lists::Utf16Order::kLittleEndian,
       '\t'},
      {"UTF-16 big-endian", testing_support::Utf16(excel, true), Columns(2, true), testing_support::Utf16(excelOut, true),
       lists::Utf16Order::kBigEndian, '\t'},
      {"UTF-8, tab-separated", excel, Columns(2, true), excelOut, lists::Utf16Order::kNone, '\t'},
      {"Shift-JIS, tab-separated", "名前\t住所\n郵便\t東京都港区赤坂\n", Columns(2, true),
       "名前\t住所\t郵便番号\t判定\n郵便\t東京都港区赤坂\t1070052\texact\n", lists::Utf16Order::kNone, '\t'},
      {"a comma in the first line: a tab is text", "a\tb,東京都港区赤坂\n", Columns(2),
       "a\tb,東京都港区赤坂,1070052,exact\n", lists::Utf16Order::kNone, ','},
      {"a tab asked for", "a,b\t東京都港区赤坂\n", tab, "a,b\t東京都港区赤坂\t1070052\texact\n",
       lists::Utf16Order::kNone, '\t'},
      // A lone surrogate and an odd last byte are no text: kept as they were, the row none.
      {"what is no UTF-16", testing_support::Utf16(u8"東京都港区赤坂\n") + std::string("\x00\xD8\n\x00" "A", 5), Columns(1),
       testing_support::Utf16(u8"東京都港区赤坂,1070052,exact\n") + std::string("\x00\xD8", 2) + testing_support::Utf16(",,none\n").substr(2) + "A" +
           testing_support::Utf16(",,none").substr(2),
       lists::Utf16Order::kLittleEndian, ','},
  };
  for (const auto& c : cases) {
    const Annotated a = Annotate(c.in, c.columns, {}, 2);
    EXPECT_EQ(lists::CsvOutcome::kDone, a.result.outcome) << c.name;
    EXPECT_EQ(c.out, a.out) << c.name;
    EXPECT_EQ(c.utf16, a.result.utf16) << c.name;
    EXPECT_EQ(c.separator, a.result.separator) << c.name;
  }
}

// The 建物 column is the cell's own bytes, whatever cp932 can hold.
TEST(CsvAnnotate, SplitBuildingIsTheCellsOwnBytes) {
  lists::CsvColumns split = Columns(1);
  split.split = true;
  const struct {
    std::string row, building;
  } cases[] = {
      {u8"東京都港区赤坂1-2-3 Café 𠮷野ビル™\u301C\uE000", u8"Café 𠮷野ビル™\u301C\uE000"},
      {u8"東京都港区赤坂1–2–3 ビル🏢", u8"ビル🏢"},
      {"東京都港区赤坂1-2-3 \xED\x40ビル～", "\xED\x40ビル～"},  // cp932: the NEC copy kept
  };
  for (const auto& c : cases) {
    const Annotated a = Annotate(c.row + "\n", split);
    ASSERT_EQ(lists::CsvOutcome::kDone, a.result.outcome) << c.building;
    EXPECT_EQ("," + c.building + "\n", a.out.substr(a.out.size() - c.building.size() - 2)) << a.out;
  }
}

TEST(CsvAnnotate, RowThatIsNotUtf8IsToldNotGuessed) {
  const std::string in = u8"住所\n東京都港区赤坂\n東京都港区芝公園\xFF\n\n東京都港区赤坂\xE3\x81\n北海道札幌市中央区\n";
  const Annotated a = Annotate(in, Columns(1, true));
  EXPECT_EQ(u8"住所,郵便番号,判定\n東京都港区赤坂,1070052,exact\n東京都港区芝公園\xFF,,none\n\n"
            u8"東京都港区赤坂\xE3\x81,,none\n北海道札幌市中央区,0600000,city\n",
            a.out);
  EXPECT_EQ(lists::CsvEncoding::kUtf8, a.result.encoding);
  EXPECT_EQ(2u, a.result.counts.notUtf8.count);
  EXPECT_EQ((std::vector<long>{3, 5}), Lines(a.result.counts.notUtf8));
}

TEST(CsvAnnotate, EncodingIsDecidedAtTheStartOfTheFile) {
  const struct {
    std::string bytes;
    bool decided;
    lists::CsvEncoding encoding;
    long line;
  } cases[] = {
      {u8"\uFEFFabc\xFF", true, lists::CsvEncoding::kUtf8WithBom, 0},
      {u8"港区", true, lists::CsvEncoding::kUtf8, 0},
      {u8"港区\n渋谷区\nabc\xFF\n", true, lists::CsvEncoding::kUtf8, 0},
      {"港区", true, lists::CsvEncoding::kCp932, 0},
      {"plain ascii", true, lists::CsvEncoding::kCp932, 0},
      {u8"港区\n\xFF\n", false, lists::CsvEncoding::kCp932, 2},
      {"a\nb\r\n港区\xFD\n", false, lists::CsvEncoding::kCp932, 3},
  };
  for (const auto& c : cases) {
    const lists::EncodingDecision d = lists::DecideHeadEncoding(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(c.decided, d.decided) << c.bytes;
    EXPECT_EQ(c.encoding, d.encoding) << c.bytes;
    EXPECT_EQ(c.line, d.line) << c.bytes;
  }
  EXPECT_EQ("港区??", lists::CellAsCp932(u8"港区\U0001F600\xFF", lists::CsvEncoding::kUtf8));
}

// A few megabytes of real offices in UTF-8, one row with a stray Shift-JIS
// byte in the middle: every number of threads writes the same bytes.
TEST(CsvAnnotate, ThreadsWriteTheSameBytesOverRealAddresses) {
  const resolver::AddressBook* book = testing_support::RealAddressBook();
  const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (book == nullptr || offices.empty()) GTEST_SKIP() << "no KEN_ALL.CSV and JIGYOSYO.CSV in " << KURANTO_SHARED_DATA;
  std::string rows;
  for (const std::string& line : test_lines::SplitCrLfLines(testing_support::ReadFile(offices))) {
    const std::vector<std::string> c = test_lines::SplitColumns(line);
    rows += "\"" + c[2] + "\",\"" + c[3] + c[4] + c[5] + c[6] + "\"," + c[7] + "\r\n";
  }
  std::string csv = testing_support::ToUtf8("名称,住所,郵便番号\r\n");
  const std::string utf8Rows = testing_support::ToUtf8(rows);
  while (csv.size() < (3u << 20)) csv += utf8Rows;
  const size_t middle = csv.find("\r\n", csv.size() / 2) + 2;
  csv.insert(middle, "X,\"東京都\",100-0001\r\n");  // Shift-JIS in a UTF-8 file
  const long badLine = static_cast<long>(std::count(csv.begin(), csv.begin() + middle, '\n')) + 1;

  const Annotated one = Annotate(csv, Columns(2, true, 3), {}, 1, *book);
  const Annotated several = Annotate(csv, Columns(2, true, 3), {}, 4, *book);
  ASSERT_EQ(lists::CsvOutcome::kDone, one.result.outcome);
  EXPECT_TRUE(one.out == several.out) << "the threads changed the output";
  EXPECT_EQ(0u, one.out.find(testing_support::ToUtf8("名称,住所,郵便番号,郵便番号（住所から）,判定,照合\r\n")));
  EXPECT_EQ(lists::CsvEncoding::kUtf8, several.result.encoding);
  EXPECT_EQ(1u, several.result.counts.notUtf8.count);
  EXPECT_EQ(std::vector<long>{badLine}, Lines(several.result.counts.notUtf8));
  EXPECT_EQ(one.result.counts.rows, several.result.counts.rows);
  for (size_t i = 0; i < resolver::StatusCounts::kSize; ++i) {
    const resolver::Status status = resolver::StatusCounts::At(i);
    EXPECT_EQ(one.result.counts.addresses.byStatus[status], several.result.counts.addresses.byStatus[status]);
  }
}

TEST(CsvAnnotate, CancelLeavesABeginningOfTheOutput) {
  std::string csv;
  while (csv.size() < 3 * lists::kBlockBytes) csv += "東京都港区赤坂\r\n東京都港区芝公園\r\n";
  const Annotated whole = Annotate(csv, Columns(1));
  const Annotated cancelled = Annotate(csv, Columns(1), [](uint64_t done, uint64_t total) { return done == 0 && total != 0; });
  EXPECT_EQ(lists::CsvOutcome::kCancelled, cancelled.result.outcome);
  EXPECT_LT(cancelled.out.size(), whole.out.size());
  EXPECT_EQ(0u, whole.out.find(cancelled.out));
}

TEST(CsvGuess, ColumnsAndHeaderAsADialogWouldOfferThem) {
  const struct {
    const char* name;
    std::string csv;
    size_t address, code, office;
    bool header;
  } cases[] = {
      {"header, code before address", "name,code,address\r\nA,107-0052,東京都港区赤坂\r\nB,〒1050011,東京都港区芝公園\r\n", 3, 2,
       0, true},
      {"no header, no code", u8"x,東京都港区赤坂\ny,大阪府\nz,北海道札幌市中央区\n", 2, 0, 0, false},
      {"nothing resolves", "a,b\r\n1,2\r\n", 0, 0, 0, false},
      {"a name column", "番号,住所,会社名\r\n1,東京都港区赤坂,A\r\n2,東京都港区芝公園,B\r\n", 2, 0, 3, true},
      {"a name column in UTF-8, blanks around", u8"\"学校 名 \",住所\n本校,東京都港区赤坂\n", 2, 0, 1, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.address, lists::GuessAddressColumn(SmallBook(), c.csv.data(), c.csv.size())) << c.name;
    EXPECT_EQ(c.code, lists::GuessCodeColumn(c.csv.data(), c.csv.size())) << c.name;
    EXPECT_EQ(c.office, lists::GuessNameColumn(c.csv.data(), c.csv.size())) << c.name;
    EXPECT_EQ(c.header, lists::GuessHeaderRow(SmallBook(), c.csv.data(), c.csv.size(), c.address)) << c.name;
  }
}

// A label's honorific follows the name column's header: 様 for a person's.
TEST(CsvGuess, APersonsNameHeaderIsToldFromACompanys) {
  for (const char* person : {"氏名", "お名前", " 宛 名 ", "名前"}) EXPECT_TRUE(lists::IsPersonNameHeader(person)) << person;
  for (const char* company : {"会社名", "名称", "", "氏名カナ", "顧客名"}) {
    EXPECT_FALSE(lists::IsPersonNameHeader(company)) << company;
  }
}

// A list's columns as its labels take them, whether a file's or pasted:
// the name column a person's (様) only under a person's header, and a row
// too short for its address no label, a cell past its end empty.
TEST(LabelColumns, TheNameIsAPersonsUnderItsHeaderAndAShortRowMakesNoLabel) {
  struct Case {
    std::vector<std::string> firstRow;
    bool header;
    size_t name, company;
  };
  const Case cases[] = {
      {{"氏名", "住所"}, true, 1, 0}, {{"会社名", "住所"}, true, 0, 1}, {{"氏名", "住所"}, false, 0, 1}, {{}, true, 0, 1}};
  for (const Case& c : cases) {
    lists::CsvColumns columns;
    columns.address = 2;
    columns.code = 3;
    columns.name = 1;
    columns.header = c.header;
    const lists::LabelColumns label = lists::LabelColumnsOf(columns, c.firstRow);
    const std::string named = (c.firstRow.empty() ? "" : c.firstRow[0]) + (c.header ? " header" : "");
    EXPECT_EQ(c.name, label.name) << named;
    EXPECT_EQ(c.company, label.company) << named;
    EXPECT_EQ(2u, label.address);
    EXPECT_EQ(3u, label.code);
    EXPECT_EQ(c.header, label.header);
  }
  lists::LabelColumns columns;
  columns.address = 2;
  columns.name = 1;
  columns.code = 3;
  lists::LabelCells cells;
  EXPECT_FALSE(lists::TakeLabelCells({"山田 太郎"}, 4, columns, cells));
  ASSERT_TRUE(lists::TakeLabelCells({"山田 太郎", ""}, 5, columns, cells));
  EXPECT_EQ(5, cells.line);
  EXPECT_EQ("", cells.address);
  ASSERT_TRUE(lists::TakeLabelCells({"山田 太郎", "東京都港区赤坂"}, 6, columns, cells));
  EXPECT_EQ(6, cells.line);
  EXPECT_EQ("東京都港区赤坂", cells.address);
  EXPECT_EQ("山田 太郎", cells.name);
  EXPECT_EQ("", cells.code);
}

// A column pasted from a spreadsheet: one address a row, so the codes copied
// back line up with it.
TEST(AddressColumn, RowsAsASpreadsheetCopiesThem) {
  using Rows = std::vector<std::string>;
  const struct {
    const char* name;
    std::string text;
    Rows addresses;
  } cases[] = {
      {"nothing", "", {}},
      {"CR LF, the last line end closing the last row", "東京都港区\r\n\r\n大阪府\r\n", {"東京都港区", "", "大阪府"}},
      {"LF and CR, no line end at the end", "a\nb\rc", {"a", "b", "c"}},
      {"one line end: one empty row", "\r\n", {""}},
      {"the first cell of each row", "東京都港区\t1070052\tx\r\n\tonly later cells\r\n", {"東京都港区", ""}},
      {"a cell of several lines, in any column", "\"東京都港区\r\n赤坂\"\tx\r\ny\t\"a\nb\"\r\nz\r\n",
       {"東京都港区 赤坂", "y", "z"}},
      {"doubled quotes, text after the closing one", "\"a\"\"b\"c\r\n\"\"\r\n", {"a\"bc", ""}},
      {"a quote never closed is a character", "\"東京都港区\r\n赤坂\r\n", {"\"東京都港区", "赤坂"}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.addresses, lists::ColumnAddresses(c.text)) << c.name;
}
