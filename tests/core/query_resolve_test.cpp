// kuranto-query resolve: arguments, standard input, CSV files; the default
// text encoding following the locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/common/csv_lines.h"
#include "tests/common/resolver_book.h"
#include "tests/core/test_support.h"

using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::RunQueryTool;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

// Literals here are cp932; u8 literals stay UTF-8.
class BookDir {
 public:
  BookDir() { WriteFile(dir_.File("Ken_all.csv"), testing_support::CrLfLines(test_lines::ResolverBookLines())); }
  const std::string& path() const { return dir_.path(); }
  std::string File(const std::string& name) const { return dir_.File(name); }

 private:
  TempDir dir_;
};

const char kAkasaka[] = "1070052\texact\t東京都 港区 赤坂\n";
const char kJingumae[] = "1500001,1500009\tambiguous\t東京都 渋谷区 神宮前 / 東京都 渋谷区 神宮前\n";
const char kSapporo[] = "0600000\tcity\t北海道 札幌市中央区 以下に掲載がない場合\n";
const char kNone[] = "\tnone\t\n";

}  // namespace

TEST(QueryResolve, OneLineForEachAddressFromArgumentsOrStandardInput) {
  BookDir book;
  const std::string all = std::string(kAkasaka) + kJingumae + kSapporo + kNone;
  const struct {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
  } cases[] = {
      {"arguments", {"東京都港区赤坂１－２－３", "東京都渋谷区神宮前", "北海道札幌市中央区北一条", "大阪府"}, "", all},
      {"LF lines", {}, "東京都港区赤坂１－２－３\n東京都渋谷区神宮前\n北海道札幌市中央区北一条\n大阪府\n", all},
      {"CR LF lines, the last without", {}, "東京都港区赤坂\r\n東京都渋谷区神宮前\r\n北海道札幌市中央区\r\n大阪府", all},
      {"code first",
       {"--code-first"},
       "1070052\t東京都港区赤坂\n1500009\t東京都渋谷区神宮前\n1070052\t北海道札幌市中央区\n東京都港区赤坂\n",
       "1070052\texact\t東京都 港区 赤坂\t1070052\t一致\n" + std::string(kJingumae, sizeof kJingumae - 2) +
           "\t1500009\t候補内\n" + std::string(kSapporo, sizeof kSapporo - 2) + "\t1070052\t不一致\n" +
           std::string(kAkasaka, sizeof kAkasaka - 2) + "\t\t判定不能\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--dir", book.path(), "--cp932", "resolve"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto r = RunQueryTool(args, c.input);
    EXPECT_EQ(0, r.exitCode) << c.name << r.err;
    EXPECT_EQ(c.out, r.out) << c.name;
  }
  EXPECT_FALSE(Exists(book.File("h_ken.dat"))) << "resolving builds no index";
}

TEST(QueryResolve, TextFollowsTheLocaleUnlessForced) {
  BookDir book;
  const std::string akasakaUtf8 = testing_support::ToUtf8(kAkasaka);
  const struct {
    std::vector<std::string> environment;
    const char* flag;
    std::string address;
    std::string out;
  } cases[] = {
      {{"LC_ALL=C.UTF-8"}, nullptr, u8"東京都港区赤坂", akasakaUtf8},
      {{"LC_ALL", "LC_CTYPE", "LANG=C.UTF-8"}, nullptr, u8"東京都港区赤坂", akasakaUtf8},
      {{"LC_ALL=C"}, nullptr, "東京都港区赤坂", kAkasaka},
      {{"LC_ALL=C"}, "--cp932", "東京都港区赤坂", kAkasaka},
      {{"LC_ALL=C.UTF-8"}, "--cp932", "東京都港区赤坂", kAkasaka},
      {{"LC_ALL=C"}, "--utf8", u8"東京都港区赤坂", akasakaUtf8},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"--dir", book.path(), "resolve", c.address};
    if (c.flag != nullptr) args.insert(args.begin(), c.flag);
    EXPECT_EQ(c.out, RunQueryTool(args, "", c.environment).out) << c.environment[0] << " " << (c.flag ? c.flag : "");
  }
  // The searches too: a UTF-8 terminal's text is read as UTF-8.
  const auto r = RunQueryTool({"--dir", book.path(), "address", "fuzzy", u8"赤坂"}, "", {"LC_ALL=C.UTF-8"});
  EXPECT_EQ(0u, r.out.find(u8"1070052\t東京都\t")) << r.out << r.err;
}

TEST(QueryResolve, CsvFilesGetCodeAndStatusInTheirOwnEncoding) {
  BookDir book;
  const std::string sjis = "name,addr,code\r\nA,\"東京都港区赤坂1,2\",1070052\r\nB,大阪府,\r\n";
  const std::string sjisOut = "name,addr,code,郵便番号,判定,照合\r\nA,\"東京都港区赤坂1,2\",1070052,1070052,exact,一致\r\n"
                              "B,大阪府,,,none,判定不能\r\n";
  const struct {
    const char* name;
    std::string in;
    std::vector<std::string> options;
    std::string out;
  } cases[] = {
      {"Shift-JIS with header and code", sjis, {"--column", "2", "--header", "--code-column", "3"}, sjisOut},
      {"Shift-JIS without header", "東京都渋谷区神宮前\n", {"--column", "1"}, "東京都渋谷区神宮前,\"1500001,1500009\",ambiguous\n"},
      {"UTF-8 with header", u8"住所\n東京都港区芝公園", {"--column", "1", "--header"},
       u8"住所,郵便番号,判定\n東京都港区芝公園,1050011,exact"},
      {"UTF-8 without header", u8"x,北海道札幌市中央区\n", {"--column", "2"}, u8"x,北海道札幌市中央区,0600000,city\n"},
  };
  for (const auto& c : cases) {
    WriteFile(book.File("in.csv"), c.in);
    std::vector<std::string> args = {"--dir", book.path(), "--cp932", "resolve", "--csv", book.File("in.csv")};
    args.insert(args.end(), c.options.begin(), c.options.end());
    auto r = RunQueryTool(args);
    EXPECT_EQ(0, r.exitCode) << c.name << r.err;
    EXPECT_EQ(c.out, r.out) << c.name;
    args.insert(args.end(), {"--output", book.File("out.csv")});
    r = RunQueryTool(args);
    EXPECT_EQ("", r.out) << c.name;
    EXPECT_EQ(c.out, ReadFile(book.File("out.csv"))) << c.name;
  }
  WriteFile(book.File("in.csv"), sjis);
  const auto r = RunQueryTool({"--dir", book.path(), "--cp932", "resolve", "--csv", book.File("in.csv"), "--column", "2",
                               "--header", "--code-column", "3"});
  EXPECT_EQ("kuranto-query: 2 rows: exact 1 ambiguous 0 city 0 none 1\n"
            "kuranto-query: codes: 一致 1 候補内 0 不一致 0 判定不能 1 事業所 0\n",
            r.err);
}

TEST(QueryResolve, OfficesAnswerByTheirOwnCodeAndName) {
  BookDir book;
  const auto office = [](const char* code, const char* name, const char* lot) {
    return std::string("13103,\"ｼﾞｷﾞﾖｳｼﾖ\",\"") + name + "\",\"東京都\",\"港区\",\"赤坂\",\"" + lot + "\",\"" + code +
           "\",\"107  \",\"赤坂\",0,0,0";
  };
  WriteFile(book.File("Jigyosyo.csv"), testing_support::CrLfLines({
                                           office("1078601", "株式会社　赤坂商事", "１丁目２－３"),
                                           office("1078602", "赤坂商事　株式会社　本社", "５丁目１"),
                                           office("1078611", "赤坂病院", "２丁目１"),
                                           office("1078612", "医療法人　赤坂病院", "２丁目１"),
                                       }));
  const char kArea[] = "1070052\texact\t東京都 港区 赤坂";
  const struct {
    const char* option;
    const char* line;
    std::string out;
  } cases[] = {
      {"--names", "赤坂商事\t東京都港区赤坂1-2-3", "1078601\toffice\t株式会社　赤坂商事 東京都 港区 赤坂１丁目２－３"},
      {"--names", "(株)赤坂商事本社\t東京都港区赤坂5-1", "1078602\toffice\t赤坂商事　株式会社　本社 東京都 港区 赤坂５丁目１"},
      {"--names", "赤坂商事\t東京都港区赤坂3-1", kArea},   // registered at another lot
      {"--names", "赤坂病院\t東京都港区赤坂2-1", kArea},   // two offices of that name there
      {"--names", "東京都港区赤坂2-1", kArea},             // no name
      {"--code-first", "1078601\t東京都港区赤坂1丁目2番3号", std::string(kArea) + "\t1078601\t事業所"},
      {"--code-first", "1078602\t東京都港区赤坂1-2-3", std::string(kArea) + "\t1078602\t不一致"},
      {"--code-first", "1078601\t大阪府", "\tnone\t\t1078601\t判定不能"},
  };
  for (const auto& c : cases) {
    const auto r = RunQueryTool({"--dir", book.path(), "--cp932", "resolve", c.option}, std::string(c.line) + "\n");
    EXPECT_EQ(c.out + "\n", r.out) << c.line << r.err;
  }
  auto r = RunQueryTool({"--dir", book.path(), "--utf8", "--json", "resolve", "--names"},
                        testing_support::ToUtf8("赤坂商事\t東京都港区赤坂1-2-3\n"));
  EXPECT_EQ(0u, r.out.find(testing_support::ToUtf8(
                    "{\"input\": \"東京都港区赤坂1-2-3\", \"status\": \"office\", \"postal_code\": \"1078601\", "
                    "\"area_code\": \"1070052\", \"office\": {\"postal_code\": \"1078601\", \"name\": \"株式会社　赤坂商事\", "
                    "\"address\": \"東京都港区赤坂１丁目２－３\"}, \"candidates\": [")))
      << r.out;

  WriteFile(book.File("in.csv"), "名称,住所,郵便番号\r\n赤坂商事,港区赤坂1-2-3,107-8601\r\n赤坂病院,港区赤坂2-1,1078611\r\n");
  r = RunQueryTool({"--dir", book.path(), "--cp932", "resolve", "--csv", book.File("in.csv"), "--column", "2",
                    "--header", "--code-column", "3", "--name-column", "1"});
  EXPECT_EQ("名称,住所,郵便番号,郵便番号（住所から）,判定,照合\r\n赤坂商事,港区赤坂1-2-3,107-8601,1078601,office,事業所\r\n"
            "赤坂病院,港区赤坂2-1,1078611,1070052,exact,事業所\r\n",
            r.out);
  EXPECT_EQ("kuranto-query: 2 rows: exact 1 ambiguous 0 city 0 none 0 office 1\n"
            "kuranto-query: codes: 一致 0 候補内 0 不一致 0 判定不能 0 事業所 2\n",
            r.err);
  for (auto args : {std::vector<std::string>{"--names", "--code-first"}, {"--name-column", "1"},
                    {"--csv", book.File("in.csv"), "--column", "2", "--names"}}) {
    args.insert(args.begin(), {"--dir", book.path(), "resolve"});
    EXPECT_EQ(64, RunQueryTool(args).exitCode) << args.back();
  }
}

TEST(QueryResolve, SummaryNamesTheRowsSetApart) {
  BookDir book;
  std::string csv = u8"番号,住所\n";
  for (int i = 0; i < 6; ++i) csv += u8"1,東京都港区赤坂\xFF\n2,東京都港区芝公園\n";
  WriteFile(book.File("in.csv"), csv + "3\n");
  const auto r = RunQueryTool(
      {"--dir", book.path(), "--cp932", "resolve", "--csv", book.File("in.csv"), "--column", "2", "--header"});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ("kuranto-query: 13 rows: exact 6 ambiguous 0 city 0 none 7\n"
            "kuranto-query: 6 rows not UTF-8, not resolved (none): lines 2, 4, 6, 8, 10, ...\n"
            "kuranto-query: 1 row without column 2 (none): line 14\n",
            r.err);
}

// Lines as a pipe counts them: LF ends one, and a last line may have none.
size_t CountLines(const std::string& text) {
  const size_t ends = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  return ends + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

TEST(QueryResolve, EveryLineOfStandardInputGetsOneAnswerLine) {
  BookDir book;
  const std::string nul(1, '\0');
  const struct {
    const char* name;
    std::string input;
    std::string setApart;  // the summary's lines after "N line(s) not text, not resolved (none): "
  } cases[] = {
      {"a NUL in a line", u8"東京都港区赤坂\n" + nul + u8"abc\n北海道札幌市中央区\n", "1 line not text, not resolved (none): line 2"},
      {"control bytes, invalid UTF-8, no last line end",
       u8"\x01東京都\n東京都港区赤坂\xE3\x81\n\x7F\n東京都港区赤坂\tx\r\n\x1B[0m東京都港区赤坂\r",
       "4 lines not text, not resolved (none): lines 1, 2, 3, 5"},
      {"nothing but NULs", std::string(5, '\0'), "1 line not text, not resolved (none): line 1"},
      {"blank lines are lines", "\n\r\n\n", ""},
  };
  for (const auto& c : cases) {
    for (const std::vector<std::string>& mode :
         {std::vector<std::string>{"resolve"}, {"resolve", "--code-first"}, {"resolve", "--names"}, {"--json", "resolve"}}) {
      std::vector<std::string> args = {"--dir", book.path(), "--utf8"};
      args.insert(args.end(), mode.begin(), mode.end());
      const auto r = RunQueryTool(args, c.input);
      EXPECT_EQ(0, r.exitCode) << c.name << " " << mode.back();
      EXPECT_EQ(CountLines(c.input), CountLines(r.out)) << c.name << " " << mode.back() << "\n" << r.out;
      EXPECT_EQ(c.setApart.empty() ? "" : "kuranto-query: " + c.setApart + "\n", r.err) << c.name;
    }
  }
  // The barcode too: a line without a barcode gets an empty answer, its
  // reason on stderr with its line number.
  const std::string codes = "1070052\t東京都港区赤坂1-2-3\nbad\tx\n1070052 赤坂\n\n1070052\n9999999\t東京都港区赤坂\n";
  for (const std::string& input : {codes, std::string(u8"東京都港区赤坂\n") + nul + "\n\n\r\n"}) {
    for (const std::vector<std::string>& mode : {std::vector<std::string>{"barcode"}, {"--json", "barcode"}}) {
      std::vector<std::string> args = {"--dir", book.path(), "--cp932"};
      args.insert(args.end(), mode.begin(), mode.end());
      const auto r = RunQueryTool(args, input);
      EXPECT_EQ(0, r.exitCode) << r.err;
      EXPECT_EQ(CountLines(input), CountLines(r.out)) << mode.front() << "\n" << r.out;
    }
  }
  const auto r = RunQueryTool({"--dir", book.path(), "--cp932", "barcode"}, codes);
  EXPECT_EQ(0u, r.out.find("10700521-2-3\t")) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("\n\n\n\n1070052\t")) << r.out;
  for (const char* reason : {"line 2: \"bad\" is no 7-digit", "line 3: ", "line 4: ", "line 6: 9999999 is in neither"}) {
    EXPECT_NE(std::string::npos, r.err.find(reason)) << reason << "\n" << r.err;
  }
  // UTF-16 by its byte order mark, in either order; without one it is refused, as is CR alone.
  const std::string lines = u8"東京都港区赤坂\r\n\r\n北海道札幌市中央区";
  const std::string answers = u8"1070052\texact\t東京都 港区 赤坂\n\tnone\t\n0600000\tcity\t北海道 札幌市中央区 以下に掲載がない場合\n";
  const struct {
    std::string input;
    int exitCode;
    std::string out;
  } forms[] = {
      {testing_support::Utf16(lines), 0, answers},
      {testing_support::Utf16(lines, true), 0, answers},
      {testing_support::Utf16(lines).substr(2), 2, ""},
      {testing_support::Utf16(lines, true).substr(2), 2, ""},
      {"a\rb\rc\r", 2, ""},
  };
  for (const auto& f : forms) {
    const auto r = RunQueryTool({"--dir", book.path(), "--utf8", "resolve"}, f.input);
    EXPECT_EQ(f.exitCode, r.exitCode) << r.err;
    EXPECT_EQ(f.out, r.out);
  }
}

TEST(QueryResolve, RefusalsHaveTheirExitCodesAndLeaveNoOutput) {
  BookDir book;
  const std::string in = book.File("in.csv"), out = book.File("out.csv");
  const struct {
    std::string csv;
    std::vector<std::string> options;
    std::string err;  // after "kuranto-query: IN"
  } refused[] = {
      {"a\r\n\"b\r\nc\r\n", {"--column", "1"}, " line 2: a quoted cell is never closed; nothing written\n"},
      {"id,addr\r\n1,\x80\r\n", {"--column", "2"}, " line 2: neither UTF-8 nor Shift-JIS; nothing written\n"},
      {"addr\r\n東京都\r\n", {"--column", "2", "--header"}, ": --column 2 is past the header's 1 column; nothing written\n"},
      {"\r\nx,東京都\r\n", {"--column", "3", "--code-column", "4"},
       ": --column 3 and --code-column 4 are past the first row's 2 columns; nothing written\n"},
      {testing_support::Utf16(u8"id,addr\r\n1,東京都\r\n").substr(2), {"--column", "2"},
       " looks like UTF-16 without a byte order mark; save it with one (as Excel's \"Unicode text\" has), or as "
       "UTF-8 or Shift-JIS; nothing written\n"},
      {"1,東京都\r2,東京都\r", {"--column", "2"}, " ends its lines with CR alone, not LF or CR LF; nothing written\n"},
  };
  for (const auto& c : refused) {
    WriteFile(in, c.csv);
    for (const bool toFile : {true, false}) {
      std::vector<std::string> args = {"--dir", book.path(), "resolve", "--csv", in};
      args.insert(args.end(), c.options.begin(), c.options.end());
      if (toFile) args.insert(args.end(), {"--output", out});
      const auto r = RunQueryTool(args);
      EXPECT_EQ(2, r.exitCode) << c.err;
      EXPECT_EQ("kuranto-query: " + in + c.err, r.err);
      EXPECT_EQ("", r.out);
      EXPECT_FALSE(Exists(out) || Exists(out + ".tmp")) << c.err;
    }
  }
  WriteFile(in, "a\r\n\"b\r\nc\r\n");
  auto r = RunQueryTool({"--dir", book.path(), "resolve", "--csv", in, "--column", "1", "--output", out});

  for (const std::string& same : {in, book.path() + "./in.csv"}) {
    r = RunQueryTool({"--dir", book.path(), "resolve", "--csv", in, "--column", "1", "--output", same});
    EXPECT_EQ(64, r.exitCode) << same;
    EXPECT_EQ("a\r\n\"b\r\nc\r\n", ReadFile(in));
  }
  for (auto args : {std::vector<std::string>{"--csv", in}, {"--csv", in, "--column", "0"}, {"--csv", in, "--column", "x"},
                    {"--csv", in, "--column", "1", "extra"}, {"--column", "1"}, {"--bogus"},
                    {"--csv", in, "--column", "1", "--separator", ";"}, {"--separator", "tab"}}) {
    args.insert(args.begin(), {"--dir", book.path(), "resolve"});
    EXPECT_EQ(64, RunQueryTool(args).exitCode) << args.back();
  }
  TempDir empty;
  r = RunQueryTool({"--dir", empty.path(), "--cp932", "resolve", "東京都"});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ("住所データがありません\n", r.err);
  EXPECT_EQ(1, RunQueryTool({"--dir", book.path(), "resolve", "--csv", book.File("none.csv"), "--column", "1"}).exitCode);
}

TEST(QueryResolve, RealOfficeAddressesResolveTheSameFromShiftJisAndUtf8) {
  const std::string kenAll = testing_support::SharedDataFile("KEN_ALL.CSV");
  const std::string offices = testing_support::SharedDataFile("JIGYOSYO.CSV");
  if (kenAll.empty() || offices.empty()) GTEST_SKIP() << "no ../shared/data/KEN_ALL.CSV and JIGYOSYO.CSV here";
  TempDir dir;
  testing_support::CopyFile(kenAll, dir.File("KEN_ALL.CSV"));
  // Every eighth office: its name, its address as one cell, its own code.
  const std::vector<std::string> lines = test_lines::SplitCrLfLines(ReadFile(offices));
  std::string csv = "name,address,code\r\n";
  size_t rows = 0;
  for (size_t i = 0; i < lines.size(); i += 8, ++rows) {
    const std::vector<std::string> c = test_lines::SplitColumns(lines[i]);
    csv += "\"" + c[2] + "\",\"" + c[3] + c[4] + c[5] + c[6] + "\"," + c[7] + "\r\n";
  }
  WriteFile(dir.File("sjis.csv"), csv);
  WriteFile(dir.File("utf8.csv"), testing_support::ToUtf8(csv));
  std::vector<std::string> results[2];
  for (int utf8 = 0; utf8 < 2; ++utf8) {
    const std::string in = dir.File(utf8 ? "utf8.csv" : "sjis.csv");
    const auto r = RunQueryTool({"--dir", dir.path(), "--cp932", "resolve", "--csv", in, "--column", "2", "--header",
                                 "--code-column", "3", "--output", dir.File("out.csv")});
    ASSERT_EQ(0, r.exitCode) << r.err;
    const std::vector<std::string> inLines = test_lines::SplitCrLfLines(ReadFile(in));
    const std::vector<std::string> outLines = test_lines::SplitCrLfLines(ReadFile(dir.File("out.csv")));
    ASSERT_EQ(rows + 1, outLines.size());
    for (size_t i = 0; i < outLines.size(); ++i) {
      ASSERT_EQ(0u, outLines[i].find(inLines[i] + ",")) << outLines[i];
      const std::vector<std::string> added = test_lines::SplitColumns(outLines[i].substr(inLines[i].size() + 1));
      if (i > 0) results[utf8].push_back(added[0] + "," + added[1]);
    }
    // Every office's municipality is in the address file.
    EXPECT_NE(std::string::npos, r.err.find(" none 0\n")) << r.err;
  }
  EXPECT_EQ(results[0], results[1]);
}
