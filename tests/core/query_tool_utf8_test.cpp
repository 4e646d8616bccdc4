// kuranto-query and Japan Post's UTF-8 edition; numbers as people type them.
#include <gtest/gtest.h>

#include <string>

#include "postal/texts.h"
#include "tests/core/address_fixture.h"
#include "postal/number_text.h"

using testing_support::Exists;
using testing_support::RunQueryTool;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

// The sample line in the UTF-8 edition (u8 literals stay UTF-8).
const char kUtf8Akasaka[] =
    u8"13103,\"107  \",\"1070052\",\"トウキョウト\",\"ミナトク\",\"アカサカ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0\r\n";

}  // namespace

TEST(QueryNumberText, NumbersAsPeopleTypeThem) {
  const struct {
    const char* typed;
    const char* searched;
  } cases[] = {
      {"〒１０７－００５２", "107-0052"},
      {"　〒 107-0052", "107-0052"},
      {"107‐0052", "107-0052"},   // hyphen U+2010
      {"107ー0052", "107-0052"},  // long vowel mark
      {"107―0052", "107-0052"},  // horizontal bar
      {"\x81\x7C" "0052", "-0052"},  // − and － are one cp932 code
      {"１３１０３", "13103"},
      {"107  ", "107  "},  // an old 3-digit number keeps its trailing blanks
      {"〒", ""},
      {"1070052〒", "1070052〒"},  // only a leading mark goes
      {"ｱｶｻｶ", "ｱｶｻｶ"},
      {"表１", "表1"},  // trail byte 0x5C stays
  };
  for (const auto& c : cases) EXPECT_EQ(c.searched, postal::NormalizeNumberText(c.typed)) << c.typed;

  testing_support::AddressFixture data;
  const std::string dir = data.dir().path();
  const auto plain = RunQueryTool({"--dir", dir, "--cp932", "address", "new", "1070052"});
  ASSERT_EQ(1, std::count(plain.out.begin(), plain.out.end(), '\n'));
  EXPECT_EQ(plain.out, RunQueryTool({"--dir", dir, "--cp932", "address", "new", "〒１０７－００５２"}).out);
  const auto utf8 = RunQueryTool({"--dir", dir, "--utf8", "address", "new", "1070052"});
  EXPECT_EQ(utf8.out, RunQueryTool({"--dir", dir, "--utf8", "address", "new", u8"\u3012１０７\u2212００５２"}).out);
}

TEST(QueryToolUtf8, RefusesTheUtf8EditionAsAddressFileAndImportsIt) {
  TempDir dir;
  WriteFile(dir.File("Ken_all.csv"), kUtf8Akasaka);
  auto r = RunQueryTool({"--dir", dir.path(), "--cp932", "address", "new", "1070052"});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ(0u, r.err.find(std::string(postal::kUtf8EditionAdvice) + "\n")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("import-utf8"));
  EXPECT_FALSE(Exists(dir.File("h_newn.dat"))) << "nothing built from it";

  // A character with no Shift-JIS form: its line and code, nothing written.
  WriteFile(dir.File("bad.csv"), std::string(kUtf8Akasaka) + u8"13103,\"107  \",\"1070052\",\"\",\"\",\"\",\"\U0001F600\"\r\n");
  r = RunQueryTool({"--dir", dir.path(), "--cp932", "import-utf8", dir.File("bad.csv")});
  EXPECT_EQ(2, r.exitCode);
  EXPECT_NE(std::string::npos, r.err.find("bad.csv を変換できません: 2 行目")) << r.err;
  EXPECT_NE(std::string::npos, r.err.find("U+1F600")) << r.err;
  EXPECT_EQ(kUtf8Akasaka, testing_support::ReadFile(dir.File("Ken_all.csv")));

  // Converted in place, then searched as usual.
  r = RunQueryTool({"--dir", dir.path(), "import-utf8", dir.File("Ken_all.csv")});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_TRUE(Exists(dir.File("h_newn.dat")));
  r = RunQueryTool({"--dir", dir.path(), "--cp932", "address", "new", "1070052"});
  EXPECT_EQ("1070052\t東京都\tﾄｳｷｮｳﾄ\t港区\tﾐﾅﾄｸ\t赤坂\tｱｶｻｶ\t13103\t107\n", r.out);

  EXPECT_EQ(1, RunQueryTool({"--dir", dir.path(), "import-utf8", dir.File("none.csv")}).exitCode);
  EXPECT_EQ(64, RunQueryTool({"--dir", dir.path(), "import-utf8"}).exitCode);
  EXPECT_EQ(64, RunQueryTool({"--json", "--template", "N", "address", "new", "107"}).exitCode);
}
