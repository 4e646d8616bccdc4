#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "datafiles/file_access.h"
#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "tests/core/address_fixture.h"

using namespace datafiles;
using testing_support::AddressLine;
using testing_support::CrLfLines;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

// A 20-byte record: 12-byte text, two little-endian integers.
std::string Record(const std::string& text, int32_t a, int32_t b) {
  std::string r = text;
  r.resize(12, '\0');
  for (int32_t v : {a, b}) {
    for (int shift = 0; shift < 32; shift += 8) r += static_cast<char>((static_cast<uint32_t>(v) >> shift) & 0xFF);
  }
  return r;
}

std::string Line(const std::string& pref, const std::string& city, const std::string& newNumber = "1000000",
                 const std::string& oldNumber = "100  ") {
  return AddressLine("13101", oldNumber, newNumber, "ｶ", "ｶ", "ｶ", pref, city, "町");
}

std::string FileOf(const TempDir& dir, const std::vector<std::string>& lines) {
  const std::string path = dir.File("Ken_all.csv");
  WriteFile(path, CrLfLines(lines));
  return path;
}

}  // namespace

TEST(CityListBuild, OneLinePerCityRunInFileOrder) {
  TempDir dir;
  const std::string path = FileOf(dir, {Line("北海道", "札幌市中央区"), Line("北海道", "札幌市中央区"),
                                        Line("北海道", "函館市"), Line("東京都", "港区"), Line("東京都", "港区"),
                                        Line("東京都", "千代田区"), Line("北海道", "函館市")});
  EXPECT_EQ("北海道札幌市中央区\n北海道函館市\n東京都港区\n東京都千代田区\n北海道函館市\n", BuildCityList(path, {}));
  // Runs compare only the last name's length: a city that begins with the
  // previous city's whole name gets no line.
  const std::string prefixed = FileOf(dir, {Line("東京都", "府中"), Line("東京都", "府中市")});
  EXPECT_EQ("東京都府中\n", BuildCityList(prefixed, {}));
  EXPECT_EQ("", BuildCityList(FileOf(dir, {}), {}));
  EXPECT_EQ("", BuildCityList(dir.File("absent.csv"), {}));
}

TEST(PrefectureRangeBuild, RecordsRunsWithTheFirstAlwaysHokkaido) {
  TempDir dir;
  std::string path = FileOf(dir, {Line("北海道", "a"), Line("北海道", "b"), Line("青森県", "c"), Line("東京都", "d")});
  EXPECT_EQ(Record("北海道", 0, 2) + Record("青森県", 3, 3) + Record("東京都", 4, 4), BuildPrefectureRanges(path, {}));
  path = FileOf(dir, {Line("東京都", "a"), Line("東京都", "b")});
  EXPECT_EQ(Record("北海道", 0, 0) + Record("東京都", 1, 2), BuildPrefectureRanges(path, {}));
  EXPECT_EQ(Record("北海道", 0, 0), BuildPrefectureRanges(FileOf(dir, {}), {}));
  EXPECT_EQ("", BuildPrefectureRanges(dir.File("absent.csv"), {}));
  // A prefecture that comes back after another gets a second record.
  path = FileOf(dir, {Line("北海道", "a"), Line("東京都", "b"), Line("北海道", "c")});
  EXPECT_EQ(Record("北海道", 0, 1) + Record("東京都", 2, 2) + Record("北海道", 3, 3), BuildPrefectureRanges(path, {}));
}

TEST(NumberRangeBuild, HundredKeysWithFirstAndEndIndexes) {
  TempDir dir;
  const std::string path = FileOf(dir, {Line("北海道", "a", "0600000", "060  "), Line("北海道", "a", "1070052", "10799"),
                                        Line("北海道", "a", "0640941", "064  "), Line("北海道", "a", "1079999", "107  "),
                                        Line("北海道", "a", "x", "")});
  const NumberRangeFiles files = BuildNumberRanges(path, {});
  ASSERT_EQ(2000u, files.newNumbers.size());
  ASSERT_EQ(2000u, files.oldNumbers.size());
  for (int k = 0; k < 100; ++k) {
    char key[3];
    std::snprintf(key, sizeof key, "%.2d", k);
    int32_t first = -1, end = -1;
    if (k == 6) first = 0, end = 3;
    if (k == 10) first = 1, end = 4;
    EXPECT_EQ(Record(key, first, end), files.newNumbers.substr(k * 20, 20)) << key;
    EXPECT_EQ(Record(key, first, end), files.oldNumbers.substr(k * 20, 20)) << key;
  }
  const NumberRangeFiles absent = BuildNumberRanges(dir.File("absent.csv"), {});
  EXPECT_EQ(BuildNumberRanges(FileOf(dir, {}), {}).newNumbers, absent.newNumbers);
  EXPECT_EQ(Record("99", -1, -1), absent.oldNumbers.substr(99 * 20));
}

TEST(IndexBuilds, ReportProgressAsLineIndexOverOneHundred) {
  TempDir dir;
  std::vector<std::string> lines(1234, Line("北海道", "a"));
  const std::string path = FileOf(dir, lines);
  std::vector<int> positions;
  BuildCityList(path, [&](int p) { positions.push_back(p); });
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(0, positions.front());
  EXPECT_EQ(12, positions.back());
}

TEST(IndexLoad, ShortOrMissingFilesLeaveZeroRecords) {
  TempDir dir;
  postal::PrefectureRange prefectures[postal::kPrefectureRecords];
  std::memset(prefectures, 0x55, sizeof prefectures);
  LoadPrefectureRanges(Record("北海道", 0, 9) + Record("青森県", 10, 20) + "tail", prefectures);
  EXPECT_STREQ("北海道", prefectures[0].name);
  EXPECT_EQ(9, prefectures[0].last);
  EXPECT_EQ(10, prefectures[1].first);
  for (int i = 2; i < postal::kPrefectureRecords; ++i) {
    EXPECT_EQ('\0', prefectures[i].name[0]);
    EXPECT_EQ(0, prefectures[i].first);
    EXPECT_EQ(0, prefectures[i].last);
  }
  const FileSet files = MakeFileSet(dir.path());
  postal::IndexTables tables;
  std::memset(&tables, 0x55, sizeof tables);
  LoadIndexTables(files, HeldIndexFiles{}, tables);
  postal::IndexTables zero = {};
  EXPECT_EQ(0, std::memcmp(&zero, &tables, sizeof tables));
  EXPECT_FALSE(FileExists(files.prefectureRanges)) << "loading never creates a file";
  EXPECT_FALSE(FileExists(files.newNumberRanges));
}

TEST(CityList, ListsTheCitiesOfAPrefectureWithoutItsName) {
  const std::string list = "北海道札幌市中央区\n北海道函館市\n東京都港区\n東京都千代田区\r\n";
  EXPECT_EQ((std::vector<std::string>{"港区", "千代田区"}), CitiesOf(list, "東京都"));
  EXPECT_EQ((std::vector<std::string>{"札幌市中央区", "函館市"}), CitiesOf(list, "北海道"));
  EXPECT_EQ(4u, CitiesOf(list, "").size());
  EXPECT_EQ("北海道札幌市中央区", CitiesOf(list, "")[0]);
  EXPECT_TRUE(CitiesOf(list, "大阪府").empty());
  TempDir dir;
  EXPECT_TRUE(ReadCityList(dir.File("shilist.txt"), "東京都").empty());
}

TEST(WriteFileReplacing, WritesWholeOrLeavesTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("h_ken.dat");
  ASSERT_TRUE(WriteFileReplacing(path, "old"));
  ASSERT_TRUE(WriteFileReplacing(path, "new bytes"));
  EXPECT_EQ("new bytes", testing_support::ReadFile(path));
  EXPECT_FALSE(WriteFileReplacing(dir.File("no-such-dir/h_ken.dat"), "x"));
  EXPECT_FALSE(testing_support::Exists(path + ".tmp"));
}
