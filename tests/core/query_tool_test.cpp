// kuranto-query run as a script would run it.
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include <string>

#include "postal/texts.h"
#include "tests/core/address_fixture.h"

using testing_support::RunQueryTool;
using testing_support::TempDir;

namespace {

// The UTF-8 form of a text written in this file (literals here are cp932).
const char kAkasakaRowUtf8[] =
    "1070052\t\xE6\x9D\xB1\xE4\xBA\xAC\xE9\x83\xBD\t\xEF\xBE\x84\xEF\xBD\xB3\xEF\xBD\xB7\xEF\xBD\xAE\xEF\xBD\xB3\xEF"
    "\xBE\x84\t\xE6\xB8\xAF\xE5\x8C\xBA\t\xEF\xBE\x90\xEF\xBE\x85\xEF\xBE\x84\xEF\xBD\xB8\t\xE8\xB5\xA4\xE5\x9D\x82"
    "\t\xEF\xBD\xB1\xEF\xBD\xB6\xEF\xBD\xBB\xEF\xBD\xB6\t13103\t107\n";

}  // namespace

TEST(QueryTool, SearchesAndBuildsBesideTheAddressFile) {
  testing_support::AddressFixture data;
  // Japan Post's own file name is found whatever its case.
  ASSERT_EQ(0, std::rename(data.path().c_str(), data.dir().File("KEN_ALL.CSV").c_str()));
  const std::string dir = data.dir().path();
  auto r = RunQueryTool({"--dir", dir, "--utf8", "address", "new", "1070052"});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ(kAkasakaRowUtf8, r.out);
  for (const char* name : {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"}) {
    EXPECT_TRUE(testing_support::Exists(dir + name)) << name;
  }
  r = RunQueryTool({"--dir", dir, "--cp932", "address", "new", "107-0052"});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ("1070052\t東京都\tﾄｳｷｮｳﾄ\t港区\tﾐﾅﾄｸ\t赤坂\tｱｶｻｶ\t13103\t107\n", r.out);

  r = RunQueryTool({"--dir", dir, "--cp932", "address", "place", "東京都", "港区", ""});
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
  r = RunQueryTool({"--dir", dir, "--cp932", "address", "area", "東京都 港区"});
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
  r = RunQueryTool({"--dir", dir, "--cp932", "address", "fuzzy", "ｱｶｻｶ"});
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
  r = RunQueryTool({"--dir", dir, "address", "city", "13103"});
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
  r = RunQueryTool({"--dir", dir, "address", "old", "107"});
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
  r = RunQueryTool({"--dir", dir, "--cp932", "cities", "東京都"});
  EXPECT_EQ("千代田区\n港区\n渋谷区\n西東京市\n", r.out);
  r = RunQueryTool({"--dir", dir, "build"});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ(3u * 20, testing_support::ReadFile(dir + "h_ken.dat").size());
}

TEST(QueryTool, RefusalsMissingDataAndUsageHaveTheirExitCodes) {
  testing_support::AddressFixture data;
  const std::string dir = data.dir().path();
  auto r = RunQueryTool({"--dir", dir, "--cp932", "address", "new", "1"});
  EXPECT_EQ(2, r.exitCode);
  EXPECT_EQ("2文字以上入力してください。\n", r.err);
  EXPECT_EQ("", r.out);
  r = RunQueryTool({"--dir", dir, "--utf8", "address", "fuzzy", ""});
  EXPECT_EQ(2, r.exitCode);
  EXPECT_EQ("\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF\xE3\x82\x92\xE5\x85\xA5\xE5\x8A\x9B\xE3\x81\x97\xE3\x81\xA6\xE3"
            "\x81\x8F\xE3\x81\xA0\xE3\x81\x95\xE3\x81\x84\xE3\x80\x82\n",
            r.err);

  TempDir empty;
  r = RunQueryTool({"--dir", empty.path(), "--cp932", "address", "new", "107"});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ("住所データがありません\n", r.err);
  EXPECT_FALSE(testing_support::Exists(empty.File("h_ken.dat"))) << "nothing is written without data";

  // CR-only line ends: one huge line that no search may read.
  std::string crOnly;
  for (const std::string& line : testing_support::SampleAddressLines()) crOnly += line + "\r";
  testing_support::WriteFile(empty.File("Ken_all.csv"), crOnly);
  r = RunQueryTool({"--dir", empty.path(), "--cp932", "address", "new", "107"});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ(0u, r.err.find(std::string(postal::kAddressFileNoLineEnds) + "\n")) << r.err;
  EXPECT_EQ("", r.out);
  EXPECT_FALSE(testing_support::Exists(empty.File("h_ken.dat"))) << "nothing is built from it";

  // A usage error is one line naming what is wrong, and the help as the way to the rest.
  const struct {
    std::vector<std::string> args;
    const char* named;
  } usage[] = {
      {{}, "no COMMAND"},
      {{"address"}, "old|new"},
      {{"address", "new"}, "old|new"},
      {{"address", "sideways", "1"}, "old|new"},
      {{"--bogus", "build"}, "--bogus"},
      {{"cities"}, "PREFECTURE"},
      {{"build", "extra"}, "no arguments"},
      {{"nonsense"}, "nonsense"},
      {{"resolve", "--csv", "a.csv", "--column", "0"}, "--column 0"},
      {{"resolve", "--csv", "a.csv", "--column", "x"}, "--column x"},
      {{"resolve", "--csv", "a.csv"}, "--column N"},
      {{"resolve", "--header", "赤坂"}, "--csv FILE"},
      {{"lookup", "--csv", "a.csv", "--column"}, "--column needs"},
      {{"resolve", "--frob"}, "--frob"},
      {{"barcode", "1040061", "銀座", "4-6-16"}, "CODE"},
      {{"barcode", "--svg", "b.svg"}, "--svg"},
  };
  for (const auto& u : usage) {
    r = RunQueryTool(u.args);
    EXPECT_EQ(64, r.exitCode) << u.named;
    EXPECT_NE(std::string::npos, r.err.find(u.named)) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("kuranto-query --help")) << r.err;
    EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n')) << r.err;
  }
  r = RunQueryTool({"--help"});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ(0u, r.out.find("usage: kuranto-query")) << r.out.substr(0, 80);
}

TEST(QueryTool, AnswersFromMemoryWhenTheIndexFilesCannotBeWritten) {
  testing_support::AddressFixture data;
  const std::string dir = data.dir().path();
  // Directories in the way of the temporary files make every write fail.
  for (const char* name : {"shilist.txt.tmp", "h_ken.dat.tmp", "h_newn.dat.tmp", "h_oldn.dat.tmp"}) {
    ASSERT_EQ(0, ::mkdir((dir + name).c_str(), 0700));
  }
  auto r = RunQueryTool({"--dir", dir, "address", "new", "107"});
  EXPECT_EQ(0, r.exitCode);
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
  EXPECT_NE(std::string::npos, r.err.find("cannot write"));
  EXPECT_FALSE(testing_support::Exists(dir + "h_newn.dat"));
  // A stale index file beside a newer address file is rebuilt, not trusted.
  r = RunQueryTool({"--dir", dir, "--cp932", "cities", "東京都"});
  EXPECT_EQ("千代田区\n港区\n渋谷区\n西東京市\n", r.out);
}

TEST(QueryTool, RebuildsIndexFilesOlderThanTheAddressFile) {
  testing_support::AddressFixture data;
  const std::string dir = data.dir().path();
  testing_support::WriteFile(dir + "h_newn.dat", std::string(2000, '\0'));  // all-zero: finds nothing
  testing_support::SetFileTime(dir + "h_newn.dat", 1000);
  auto r = RunQueryTool({"--dir", dir, "address", "new", "107"});
  EXPECT_EQ(3, std::count(r.out.begin(), r.out.end(), '\n'));
}

TEST(QueryTool, RealDataFindsAkasakaByNewNumber) {
  const std::string source = testing_support::SharedDataFile("KEN_ALL.CSV");
  if (source.empty()) GTEST_SKIP() << "no ../shared/data/KEN_ALL.CSV here";
  TempDir dir;
  testing_support::CopyFile(source, dir.File("KEN_ALL.CSV"));
  auto r = RunQueryTool({"--dir", dir.path(), "--utf8", "address", "new", "1070052"});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ(0u, r.out.find("1070052\t\xE6\x9D\xB1\xE4\xBA\xAC\xE9\x83\xBD\t")) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("\t\xE6\xB8\xAF\xE5\x8C\xBA\t")) << "港区";
  EXPECT_NE(std::string::npos, r.out.find("\t\xE8\xB5\xA4\xE5\x9D\x82")) << "赤坂";
  EXPECT_EQ(940u, testing_support::ReadFile(dir.File("h_ken.dat")).size());
}
