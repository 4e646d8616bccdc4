// kuranto-query's office command and template output.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/core/address_fixture.h"

using testing_support::RunQueryTool;
using testing_support::TempDir;

namespace {

const char kOfficeLine[] =
    "13103,\"ｱｶｻｶｼｮｳｶｲ\",\"赤坂商会\",\"東京都\",\"港区\",\"赤坂\",\"１丁目１番\",\"1078799\",\"107  \",\"赤坂\",0,0,0";

}  // namespace

TEST(QueryToolOffice, SearchesTheBusinessFileAlone) {
  TempDir dir;
  testing_support::WriteFile(dir.File("Jigyosyo.csv"), testing_support::CrLfLines({kOfficeLine}));
  auto r = RunQueryTool({"--dir", dir.path(), "--cp932", "office", "new", "107-8"});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ("1078799\t赤坂商会\tｱｶｻｶｼｮｳｶｲ\t東京都\t港区\t赤坂１丁目１番\t13103\t107  \n", r.out);
  for (auto args : {std::vector<std::string>{"old", "107"}, {"city", "13-103"}, {"area", "東京都 港区"},
                    {"place", "東京都", "", "１丁目"}, {"fuzzy", "商会"}}) {
    args.insert(args.begin(), {"--dir", dir.path(), "--cp932", "office"});
    r = RunQueryTool(args);
    EXPECT_EQ(0, r.exitCode) << args[4];
    EXPECT_EQ(1, std::count(r.out.begin(), r.out.end(), '\n')) << args[4];
  }
  EXPECT_FALSE(testing_support::Exists(dir.File("h_ken.dat"))) << "no index build for offices";

  r = RunQueryTool({"--dir", dir.path(), "--cp932", "office", "fuzzy", ""});
  EXPECT_EQ(2, r.exitCode);
  EXPECT_EQ("データを入力してください。\n", r.err);
  EXPECT_EQ("", r.out);

  TempDir empty;
  r = RunQueryTool({"--dir", empty.path(), "--cp932", "office", "fuzzy", "赤坂"});
  EXPECT_EQ(0, r.exitCode) << "a missing business file finds nothing";
  EXPECT_EQ("", r.out);
  EXPECT_EQ("", r.err);

  for (auto args : {std::vector<std::string>{"office"}, {"office", "new"}, {"office", "sideways", "1"},
                    {"office", "place", "東京都"}}) {
    r = RunQueryTool(args);
    EXPECT_EQ(64, r.exitCode);
  }
}

TEST(QueryToolOffice, PrintsRowsThroughTheTemplate) {
  TempDir dir;
  testing_support::WriteFile(dir.File("Jigyosyo.csv"), testing_support::CrLfLines({kOfficeLine}));
  auto r = RunQueryTool({"--dir", dir.path(), "--cp932", "--template", "N G(g)KSM(ksm)", "--hyphen", "--hiragana", "office",
                         "fuzzy", "赤坂"});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ("107-8799 赤坂商会(あかさかしょうかい)東京都港区赤坂１丁目１番(ksm)\n", r.out);
  r = RunQueryTool({"--dir", dir.path(), "--cp932", "--template", "N,G,KSM O", "office", "new", "1078799"});
  EXPECT_EQ("1078799,赤坂商会,東京都港区赤坂１丁目１番 107  \n", r.out);

  testing_support::AddressFixture data;
  r = RunQueryTool({"--dir", data.dir().path(), "--cp932", "--template", "〒N KSM(ksm)", "--hyphen", "--hiragana", "address",
                    "new", "1070052"});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ("〒107-0052 東京都港区赤坂(とうきょうとみなとくあかさか)\n", r.out);
}
