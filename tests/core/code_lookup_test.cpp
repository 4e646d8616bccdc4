// From codes to addresses: the code index over hand-written and real lines,
// the CSV of codes with its address cells, and kuranto-query lookup.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/csv_guess.h"
#include "lists/csv_lookup.h"
#include "resolver/code_index.h"
#include "resolver/offices.h"
#include "resolver/town_name.h"
#include "tests/common/csv_lines.h"
#include "tests/core/real_book.h"
#include "tests/core/test_support.h"

using test_lines::AddressLine;
using testing_support::ReadFile;
using testing_support::RunQueryTool;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

// Literals here are cp932; u8 literals stay UTF-8.
std::vector<std::string> TownLines() {
  return {
      AddressLine("01101", "060  ", "0600000", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道", "札幌市中央区",
                  "以下に掲載がない場合"),
      // One town over two lines of one code, told apart by their notes.
      AddressLine("01101", "064  ", "0640941", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｱｻﾋｶﾞｵｶ", "北海道", "札幌市中央区",
                  "旭ケ丘（１丁目）"),
      AddressLine("01101", "064  ", "0640941", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｱｻﾋｶﾞｵｶ", "北海道", "札幌市中央区",
                  "旭ケ丘（２丁目）"),
      AddressLine("13103", "107  ", "1070052", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶ", "東京都", "港区", "赤坂（次のビルを除く）"),
      AddressLine("13103", "107  ", "1076090", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｰｸﾓﾘﾋﾞﾙ", "東京都", "港区",
                  "赤坂アーク森ビル（地階・階層不明）"),
      AddressLine("13103", "107  ", "1076001", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｰｸﾓﾘﾋﾞﾙ", "東京都", "港区",
                  "赤坂アーク森ビル（１階）"),
      // One code, villages of one municipality; then of two.
      AddressLine("02446", "03918", "0391801", "ｱｵﾓﾘｹﾝ", "ｻﾝﾉﾍｸﾞﾝﾅﾝﾌﾞﾁｮｳ", "ｱ", "青森県", "三戸郡南部町", "赤石"),
      AddressLine("02446", "03918", "0391801", "ｱｵﾓﾘｹﾝ", "ｻﾝﾉﾍｸﾞﾝﾅﾝﾌﾞﾁｮｳ", "ｲ", "青森県", "三戸郡南部町", "大向"),
      AddressLine("06212", "99945", "9994554", "ﾔﾏｶﾞﾀｹﾝ", "ｵﾊﾞﾅｻﾞﾜｼ", "ｱｼｻﾞﾜ", "山形県", "尾花沢市", "芦沢"),
      AddressLine("06365", "99945", "9994554", "ﾔﾏｶﾞﾀｹﾝ", "ｷﾀﾑﾗﾔﾏｸﾞﾝｵｵｲｼﾀﾞﾏﾁ", "ﾀｶﾉｽ", "山形県",
                  "北村山郡大石田町", "鷹巣"),
  };
}

const char kOfficeLine[] =
    "13103,\"ｱｶｻｶｼﾖｳｼﾞ\",\"株式会社　赤坂商事\",\"東京都\",\"港区\",\"赤坂\",\"１丁目２－３\",\"1078601\",\"107  \","
    "\"赤坂\",0,0,0";

const resolver::AddressBook& Book() {
  static const resolver::AddressBook book =
      testing_support::LoadedBook(test_lines::CrLfLines(TownLines()), test_lines::CrLfLines({kOfficeLine}));
  return book;
}

// "STATUS|PREFECTURE|CITY|TOWN|BUILDING|FLOOR" of an answer, for a table.
std::string Answer(const resolver::CodeIndex& index, const std::string& text) {
  const resolver::CodeMatch match = index.Find(text);
  resolver::AddressCells cells;
  index.Cells(match, cells);
  std::string answer = std::string(resolver::LookupStatusName(match.status)) + "|" + match.postalCode + "|" +
                       cells.prefecture + "|" + cells.city + "|" + cells.town;
  if (match.status == resolver::LookupStatus::kExact) {
    const resolver::TownParts parts = index.Parts(match.towns[0]);
    if (!parts.building.empty()) answer += "|" + std::string(parts.building) + "|" + std::string(parts.floor);
  }
  if (match.status == resolver::LookupStatus::kOffice) answer += "|" + std::string(resolver::OfficeAt(index.book(), match.office).name);
  return answer;
}

struct Written {
  lists::CsvResult result;
  std::string out;
};

Written LookUp(const std::string& in, size_t column, bool header, unsigned threads = 0) {
  static const resolver::CodeIndex index(Book());
  Written w;
  lists::MemoryInput input(in);
  lists::LookupColumns columns;
  columns.code = column;
  columns.header = header;
  w.result = lists::LookupCsv(
      index, input, columns,
      [&](const char* d, size_t n) {
        w.out.append(d, n);
        return true;
      },
      {}, threads);
  return w;
}

}  // namespace

TEST(CodeLookup, EveryStatusAndNumberFormFromHandWrittenLines) {
  const resolver::CodeIndex index(Book());
  const struct {
    const char* text;
    std::string answer;
  } cases[] = {
      {"1070052", "exact|1070052|東京都|港区|赤坂"},
      {"0640941", "exact|0640941|北海道|札幌市中央区|旭ケ丘"},   // one town, two lines
      {"0600000", "exact|0600000|北海道|札幌市中央区|"},         // the municipality's own code
      {"1076001", "exact|1076001|東京都|港区|赤坂|アーク森ビル|１階"},
      {"1076090", "exact|1076090|東京都|港区|赤坂|アーク森ビル|地階・階層不明"},
      {"0391801", "ambiguous|0391801|青森県|三戸郡南部町|赤石 / 大向"},
      {"9994554", "ambiguous|9994554|山形県||尾花沢市 芦沢 / 北村山郡大石田町 鷹巣"},
      {"1078601", "office|1078601|東京都|港区|赤坂|株式会社　赤坂商事"},
      {"9999999", "none|9999999|||"},  // in neither file
      // The number forms the number search takes.
      {"107-0052", "exact|1070052|東京都|港区|赤坂"},
      {"〒107-0052", "exact|1070052|東京都|港区|赤坂"},
      {"〒　１０７－００５２　", "exact|1070052|東京都|港区|赤坂"},
      {" 107 0052 ", "exact|1070052|東京都|港区|赤坂"},
      {"107ー0052", "exact|1070052|東京都|港区|赤坂"},
      {"１０７‐００５２", "exact|1070052|東京都|港区|赤坂"},
      // Six digits that a spreadsheet left of a code beginning with 0.
      {"640941", "exact|0640941|北海道|札幌市中央区|旭ケ丘"},
      {"60-0000", "exact|0600000|北海道|札幌市中央区|"},
      // Old codes: the towns that had them (buildings' lines are their towns').
      {"107", "ambiguous|107|東京都|港区|赤坂"},
      {"10700", "ambiguous|107|東京都|港区|赤坂"},
      {"03918", "ambiguous|03918|青森県|三戸郡南部町|赤石 / 大向"},
      {"999-45", "ambiguous|99945|山形県||尾花沢市 芦沢 / 北村山郡大石田町 鷹巣"},
      {"108", "none||||"},
      {"10701", "none||||"},
      // Not a code: no code read.
      {"107005", "none||||"},
      {"10700521", "none||||"},
      {"107-0052赤坂", "none||||"},
      {"", "none||||"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.answer, Answer(index, c.text)) << testing_support::ToUtf8(c.text);
  }
  EXPECT_TRUE(index.Find("640941").zeroAdded);
  EXPECT_FALSE(index.Find("0640941").zeroAdded);
  EXPECT_TRUE(index.Find("107").oldCode);
  EXPECT_EQ("赤坂", resolver::TownWithoutNote("赤坂（次のビルを除く）"));
  EXPECT_EQ("", resolver::TownWithoutNote("以下に掲載がない場合"));
  // A trail byte 0x81 before "i" is no （.
  EXPECT_EQ("\x88\x81i", resolver::TownWithoutNote("\x88\x81i"));
}

TEST(CodeLookup, RealFilesFindEveryTownByItsCode) {
  const std::string kenAll = testing_support::SharedDataFile("KEN_ALL.CSV");
  const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (kenAll.empty() || offices.empty()) GTEST_SKIP() << "no ../shared/data/KEN_ALL.CSV and JIGYOSYO.CSV here";
  resolver::AddressBook book;
  std::string error;
  ASSERT_TRUE(book.Load(kenAll, error) && book.LoadOffices(offices, error)) << error;
  const resolver::CodeIndex index(book);
  const struct {
    const char* code;
    std::string answer;
  } cases[] = {
      {"1070052", "exact|1070052|東京都|港区|赤坂"},
      {"0600042", "exact|0600042|北海道|札幌市中央区|大通西"},  // 1～19丁目 and 20丁目 lines
      {"1076001", "exact|1076001|東京都|港区|赤坂|赤坂アークヒルズ・アーク森ビル|１階"},
      {"1076090", "exact|1076090|東京都|港区|赤坂|赤坂アークヒルズ・アーク森ビル|地階・階層不明"},
      {"0600000", "exact|0600000|北海道|札幌市中央区|"},
      {"4320000", "ambiguous|4320000|静岡県||浜松市中央区 / 浜松市浜名区 / 浜松市天竜区"},
      {"9994554", "ambiguous|9994554|山形県||尾花沢市 芦沢 / 北村山郡大石田町 鷹巣"},
      {"0608661", "office|0608661|北海道|札幌市中央区|大通西|株式会社　北洋銀行　本店"},
      {"0000000", "none|0000000|||"},  // never given
      {"0608600", "none|0608600|||"},  // among offices' codes, none holds it (an office closed, a code retired)
  };
  for (const auto& c : cases) EXPECT_EQ(c.answer, Answer(index, c.code)) << c.code;
  // Every line's code finds its town; every office's code finds an office of that code.
  size_t wrong = 0;
  for (size_t i = 0; i < book.RecordCount(); ++i) {
    const resolver::TownRecord record = book.Record(i);
    const resolver::CodeMatch match = index.Find(record.postalCode);
    bool found = false;
    for (size_t t = 0; t < match.townCount && !found; ++t) {
      const resolver::TownRecord town = book.Record(match.towns[t]);
      found = town.city == record.city && resolver::TownWithoutNote(town.town) == resolver::TownWithoutNote(record.town);
    }
    if (!found && ++wrong <= 5) ADD_FAILURE() << record.postalCode;
  }
  for (size_t i = 0; i < book.OfficeCount(); ++i) {
    const resolver::Office office = resolver::OfficeAt(book, i);
    const resolver::CodeMatch match = index.Find(office.postalCode);
    const bool found = match.status == resolver::LookupStatus::kOffice &&
                       resolver::OfficeAt(book, match.office).postalCode == office.postalCode;
    if (!found && ++wrong <= 5) ADD_FAILURE() << office.postalCode;
  }
  EXPECT_EQ(0u, wrong);
}

// A spreadsheet's column of codes: six digits read with their 0, counted;
// an old code answered with its towns (made each time, not from the cache).
TEST(CodeLookup, CsvReadsSixDigitsWithTheirZeroAndOldCodes) {
  for (unsigned threads : {1u, 3u}) {
    const Written w = LookUp("600000\n107\n640941\n0391801\n107\n", 1, false, threads);
    EXPECT_EQ("600000,北海道,札幌市中央区,,exact\n107,東京都,港区,赤坂,ambiguous\n640941,北海道,札幌市中央区,旭ケ丘,exact\n"
              "0391801,青森県,三戸郡南部町,赤石 / 大向,ambiguous\n107,東京都,港区,赤坂,ambiguous\n",
              w.out);
    EXPECT_EQ(2u, w.result.counts.zeroAdded.count);
    EXPECT_EQ("1, 3", w.result.counts.zeroAdded.Named());
  }
}

TEST(CodeLookup, CsvKeepsEachRowAndAddsItsAddressInTheFilesEncoding) {
  const struct {
    const char* name;
    std::string in;
    size_t column;
    std::string out;
  } cases[] = {
      {"Shift-JIS, quotes and CR LF kept, a blank line, no end at the last",
       "名前,〒\r\n\"a,b\",107-0052\r\n\r\nc,\"0391801\"\r\nd,9994554\r\ne,1078601\r\nf\r\ng,abc",
       2,
       "名前,〒,都道府県,市区町村,町域,判定\r\n\"a,b\",107-0052,東京都,港区,赤坂,exact\r\n\r\n"
       "c,\"0391801\",青森県,三戸郡南部町,赤石 / 大向,ambiguous\r\n"
       "d,9994554,山形県,,尾花沢市 芦沢 / 北村山郡大石田町 鷹巣,ambiguous\r\ne,1078601,東京都,港区,赤坂,office\r\n"
       "f,,,,,none\r\ng,abc,,,,none"},
      {"UTF-8 with its mark, header names taken already",
       testing_support::FromUtf8(u8"\uFEFF都道府県,判定\n北海道,〒0600000\n"),
       2,
       testing_support::FromUtf8(u8"\uFEFF都道府県,判定,都道府県（郵便番号から）,市区町村,町域,判定（郵便番号から）\n"
                                 u8"北海道,〒0600000,北海道,札幌市中央区,,exact\n")},
      {"tabs", "code\tx\n1076001\t\"q\"\"\"\n", 1, "code\tx\t都道府県\t市区町村\t町域\t判定\n1076001\t\"q\"\"\"\t東京都\t港区\t赤坂\texact\n"},
  };
  for (const auto& c : cases) {
    const Written w = LookUp(c.in, c.column, true);
    EXPECT_EQ(lists::CsvOutcome::kDone, w.result.outcome) << c.name;
    const bool utf8 = lists::IsUtf8(w.result.encoding);
    EXPECT_EQ(utf8 ? testing_support::ToUtf8(c.out) : c.out, w.out) << c.name;
  }
  const Written counted = LookUp(cases[0].in, 2, true);
  EXPECT_EQ(6u, counted.result.counts.rows);
  EXPECT_EQ(1u, counted.result.counts.codes[resolver::LookupStatus::kExact]);
  EXPECT_EQ(2u, counted.result.counts.codes[resolver::LookupStatus::kAmbiguous]);
  EXPECT_EQ(1u, counted.result.counts.codes[resolver::LookupStatus::kOffice]);
  EXPECT_EQ(2u, counted.result.counts.codes[resolver::LookupStatus::kNone]);
  EXPECT_EQ(1u, counted.result.counts.tooShort.count);
  EXPECT_EQ(7, counted.result.counts.tooShort.lines[0]);
  // Refusals, nothing written.
  const struct {
    std::string in;
    size_t column;
    lists::CsvOutcome outcome;
    long line;
  } refused[] = {
      {"a,1070052\nb,\"1070052\n", 2, lists::CsvOutcome::kUnclosedQuote, 2},
      {"a,1070052\n", 3, lists::CsvOutcome::kColumnPastWidth, 0},
      {"id,code\r\n1,\x80\x80\r\n", 2, lists::CsvOutcome::kNotText, 2},
      {"a,1070052\rb,1070052\r", 2, lists::CsvOutcome::kCrOnly, 1},
      {testing_support::Utf16(u8"名前,〒\r\n郵便,1070052\r\n").substr(2), 2, lists::CsvOutcome::kUtf16WithoutBom, 1},
  };
  for (const auto& r : refused) {
    const Written w = LookUp(r.in, r.column, false);
    EXPECT_EQ(r.outcome, w.result.outcome) << r.in;
    EXPECT_EQ(r.line, w.result.line) << r.in;
    EXPECT_EQ("", w.out) << r.in;
  }
  // UTF-16 with its mark: read, and written back in UTF-16.
  const Written utf16 = LookUp(testing_support::Utf16(u8"〒\r\n1070052\r\n"), 1, true);
  EXPECT_EQ(testing_support::Utf16(u8"〒,都道府県,市区町村,町域,判定\r\n1070052,東京都,港区,赤坂,exact\r\n"), utf16.out);
  // A list of codes without addresses, as the window preselects it.
  const struct {
    std::string csv;
    bool codesOnly;
  } guesses[] = {
      {"名前,郵便番号\r\n札幌市の店,107-0052\r\nA,0600000\r\nB,〒1076001\r\nC,9999999\r\n", true},
      {"住所,〒\r\n東京都港区赤坂,1070052\r\n東京都港区,1070052\r\n", false},
      {"a,b\r\n1,2\r\n", false},
  };
  for (const auto& g : guesses) {
    EXPECT_EQ(g.codesOnly, lists::GuessCodesWithoutAddresses(Book(), g.csv.data(), g.csv.size())) << g.csv;
  }
  EXPECT_TRUE(lists::GuessCodeHeaderRow(guesses[0].csv.data(), guesses[0].csv.size(), 2));
  const std::string rows = guesses[0].csv.substr(guesses[0].csv.find("\r\n") + 2);
  EXPECT_FALSE(lists::GuessCodeHeaderRow(rows.data(), rows.size(), 2));
  // Blocks on threads write what one thread writes.
  std::string many = "name,code\r\n";
  for (int i = 0; i < 40000; ++i) many += "row" + std::to_string(i) + "," + (i % 3 ? "1070052" : "〒0391801") + "\r\n";
  EXPECT_EQ(LookUp(many, 2, true, 1).out, LookUp(many, 2, true, 2).out);
}

TEST(QueryLookup, OneLineForEachCodeAndCsvFiles) {
  TempDir dir;
  WriteFile(dir.File("Ken_all.csv"), test_lines::CrLfLines(TownLines()));
  WriteFile(dir.File("Jigyosyo.csv"), test_lines::CrLfLines({kOfficeLine}));
  const std::string expected =
      "1070052\texact\t東京都\t港区\t赤坂\n"
      "1076001\texact\t東京都\t港区\t赤坂\tアーク森ビル １階\n"
      "0391801\tambiguous\t青森県\t三戸郡南部町\t赤石 / 大向\n"
      "1078601\toffice\t東京都\t港区\t赤坂\t株式会社　赤坂商事\t１丁目２－３\n"
      "9999999\tnone\t\t\t\n"
      "\tnone\t\t\t\n";
  const std::string lines = "〒107-0052\n1076001\r\n0391801\n1078601\n9999999\n\n";
  const auto fromInput = RunQueryTool({"--dir", dir.path(), "--cp932", "lookup"}, lines);
  EXPECT_EQ(0, fromInput.exitCode) << fromInput.err;
  EXPECT_EQ(expected, fromInput.out);
  const auto fromArguments =
      RunQueryTool({"--dir", dir.path(), "--cp932", "lookup", "〒107-0052", "1076001", "0391801", "1078601", "9999999", ""});
  EXPECT_EQ(expected, fromArguments.out);
  // A line that is no text is answered none and told.
  const auto notText = RunQueryTool({"--dir", dir.path(), "--utf8", "lookup"}, "1070052\n\x81\x40\n");
  EXPECT_EQ(u8"1070052\texact\t東京都\t港区\t赤坂\n\tnone\t\t\t\n", notText.out);
  EXPECT_EQ("kuranto-query: 1 line not text, not looked up (none): line 2\n", notText.err);
  const auto json = RunQueryTool({"--dir", dir.path(), "--json", "lookup", "1076001", "0391801", "1078601", "x"});
  EXPECT_EQ(testing_support::ToUtf8(
                "{\"input\": \"1076001\", \"postal_code\": \"1076001\", \"status\": \"exact\", \"parts\": {\"prefecture\": "
                "\"東京都\", \"city\": \"港区\", \"town\": \"赤坂\", \"building\": \"アーク森ビル\", \"floor\": \"１階\"}}\n"
                "{\"input\": \"0391801\", \"postal_code\": \"0391801\", \"status\": \"ambiguous\", \"candidates\": "
                "[{\"prefecture\": \"青森県\", \"city\": \"三戸郡南部町\", \"town\": \"赤石\"}, {\"prefecture\": "
                "\"青森県\", \"city\": \"三戸郡南部町\", \"town\": \"大向\"}]}\n"
                "{\"input\": \"1078601\", \"postal_code\": \"1078601\", \"status\": \"office\", \"parts\": "
                "{\"prefecture\": \"東京都\", \"city\": \"港区\", \"town\": \"赤坂\"}, \"office\": {\"postal_code\": "
                "\"1078601\", \"name\": \"株式会社　赤坂商事\", \"address\": \"東京都港区赤坂１丁目２－３\"}}\n"
                "{\"input\": \"x\", \"postal_code\": null, \"status\": \"none\"}\n"),
            json.out);
  // A CSV file: OUT whole or not at all, the summary on stderr.
  WriteFile(dir.File("in.csv"), "id,code\r\n1,1070052\r\n2,\r\n3\r\n");
  const auto csv = RunQueryTool({"--dir", dir.path(), "--cp932", "lookup", "--csv", dir.File("in.csv"), "--column",
                                 "2", "--header", "--output", dir.File("out.csv")});
  EXPECT_EQ(0, csv.exitCode) << csv.err;
  EXPECT_EQ("id,code,都道府県,市区町村,町域,判定\r\n1,1070052,東京都,港区,赤坂,exact\r\n2,,,,,none\r\n3,,,,,none\r\n",
            ReadFile(dir.File("out.csv")));
  EXPECT_EQ("kuranto-query: 3 rows: exact 1 ambiguous 0 office 0 none 2\n"
            "kuranto-query: 1 row without column 2 (none): line 4\n",
            csv.err);
  WriteFile(dir.File("bad.csv"), "id,code\r\n1,\"1070052\r\n");
  const auto bad = RunQueryTool({"--dir", dir.path(), "lookup", "--csv", dir.File("bad.csv"), "--column", "2",
                                 "--output", dir.File("bad-out.csv")});
  EXPECT_EQ(2, bad.exitCode);
  EXPECT_NE(std::string::npos, bad.err.find("line 2: a quoted cell is never closed; nothing written")) << bad.err;
  EXPECT_FALSE(testing_support::Exists(dir.File("bad-out.csv")));
  EXPECT_EQ(64, RunQueryTool({"--dir", dir.path(), "lookup", "--column", "2"}).exitCode);
  EXPECT_EQ(64, RunQueryTool({"--dir", dir.path(), "lookup", "--csv", dir.File("in.csv")}).exitCode);
}
