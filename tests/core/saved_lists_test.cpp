#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "datafiles/saved_lists.h"
#include "tests/core/test_support.h"

using namespace datafiles;
using Records = std::vector<std::string>;

namespace {

ConditionRow Row(const std::string& a, const std::string& b, const std::string& c, const std::string& d,
                 const std::string& e) {
  ConditionRow row;
  row.cells[0] = a;
  row.cells[1] = b;
  row.cells[2] = c;
  row.cells[3] = d;
  row.cells[4] = e;
  return row;
}

std::vector<std::vector<std::string>> Cells(const std::vector<ConditionRow>& rows) {
  std::vector<std::vector<std::string>> cells;
  for (const ConditionRow& row : rows) cells.push_back(std::vector<std::string>(row.cells, row.cells + kConditionCells));
  return cells;
}

// A text of exactly `length` bytes mixing double-byte and single characters.
std::string TextOfLength(size_t length, const char* wide) {
  std::string text = length % 2 ? "x" : "";
  while (text.size() < length) text += wide;
  return text;
}

}  // namespace

TEST(SavedConditions, WritesFiveCellsJoinedByCommasAndEndedByLf) {
  const std::vector<ConditionRow> rows = {
      Row("番号", "市外局番", "03", "東京都 港区", ""),
      Row("場所", "", "東京都", "港区", "赤坂"),
      Row("事業", "", "赤坂", "", ""),
  };
  EXPECT_EQ("番号,市外局番,03,東京都 港区,\n場所,,東京都,港区,赤坂\n事業,,赤坂,,\n", FormatSavedConditions(rows));
  EXPECT_EQ("", FormatSavedConditions({}));
}

TEST(SavedConditions, OnlyTheFirstFourCommasSplitALine) {
  struct Case {
    const char* bytes;
    std::vector<std::vector<std::string>> rows;
  } cases[] = {
      {"場所,,東京都,港区,赤坂,１,２\n", {{"場所", "", "東京都", "港区", "赤坂,１,２"}}},
      // A comma in an earlier cell shifts the cells after it.
      {"番号,a,b,c,d,e\n", {{"番号", "a", "b", "c", "d,e"}}},
      {"番号,新番号,107,,\r\n場所,,東京都,港区,\r\n", {{"番号", "新番号", "107", "", ""}, {"場所", "", "東京都", "港区", ""}}},
      // The last line may lack its LF; nothing of it is lost.
      {"曖昧,,赤坂,,x", {{"曖昧", "", "赤坂", "", "x"}}},
      // Fewer commas fill the first cells; empty lines are no rows.
      {"事業,,赤坂\n", {{"事業", "", "赤坂", "", ""}}},
      {"abc\n\n\r\n", {{"abc", "", "", "", ""}}},
      {",,,\n", {{"", "", "", "", ""}}},
      {"", {}},
      // A lone CR inside a line is part of it.
      {"a\rb,,,,\n", {{"a\rb", "", "", "", ""}}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.rows, Cells(ParseSavedConditions(c.bytes))) << c.bytes;
}

TEST(SavedConditions, EveryCellLengthRoundTripsAndLongLinesComeBackWhole) {
  std::vector<ConditionRow> rows;
  for (size_t length = 0; length <= kConditionCellBytes; ++length) {
    rows.push_back(Row("場所", TextOfLength(length, "東"), TextOfLength(length, "ｱ"), TextOfLength(length, "港"),
                       TextOfLength(length, "赤")));
  }
  const std::vector<ConditionRow> back = ParseSavedConditions(FormatSavedConditions(rows));
  ASSERT_EQ(rows.size(), back.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    for (int cell = 0; cell < kConditionCells; ++cell) {
      ASSERT_EQ(cell > 0 ? i : 4u, back[i].cells[cell].size()) << "row " << i << " cell " << cell;
      EXPECT_TRUE(rows[i].cells[cell] == back[i].cells[cell]) << "row " << i << " cell " << cell;
    }
  }
  // The longest line: five full cells, 1,280 bytes with its commas and LF.
  std::vector<ConditionRow> full = {Row(std::string(255, 'a'), std::string(255, 'b'), std::string(255, 'c'),
                                        std::string(255, 'd'), std::string(255, 'e'))};
  EXPECT_EQ(1280u, FormatSavedConditions(full).size());
  EXPECT_EQ(Cells(full), Cells(ParseSavedConditions(FormatSavedConditions(full))));
}

TEST(SavedConditions, CellsAreCutToWhatCanBeReadBack) {
  const std::string wide = "x" + TextOfLength(300, "東");  // 301 bytes, odd
  const std::vector<ConditionRow> rows = {Row(wide, "a\nb", "c\r\nd", std::string("e\0f", 3), "g")};
  const std::vector<ConditionRow> back = ParseSavedConditions(FormatSavedConditions(rows));
  ASSERT_EQ(1u, back.size());
  EXPECT_EQ(wide.substr(0, 255), back[0].cells[0]);
  EXPECT_EQ("a", back[0].cells[1]);
  EXPECT_EQ("c", back[0].cells[2]);
  EXPECT_EQ("e", back[0].cells[3]);
  EXPECT_EQ("g", back[0].cells[4]);
  // 302 bytes of double-byte characters: cut before the one that would split.
  const std::vector<ConditionRow> even = {Row(TextOfLength(302, "東"), "", "", "", "")};
  EXPECT_EQ(254u, ParseSavedConditions(FormatSavedConditions(even))[0].cells[0].size());
}

TEST(RecordLog, EveryRowLengthUpToARenderedRowRoundTrips) {
  Records rows;
  for (size_t length = 0; length <= kRecordRowBytes; ++length) rows.push_back(TextOfLength(length, "赤"));
  const Records back = ParseRecordLog(FormatRecordLog(rows));
  ASSERT_EQ(rows.size(), back.size());
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_TRUE(rows[i] == back[i]) << "row of " << i << " bytes";
  EXPECT_EQ("\n", FormatRecordLog({""}));
  EXPECT_EQ(Records{""}, ParseRecordLog("\n"));
  EXPECT_EQ("", FormatRecordLog({}));
}

TEST(RecordLog, LinesEndAtLfOrCrLfAndRowsAreCutToWhatCanBeReadBack) {
  EXPECT_EQ((Records{"107-0052 東京都港区赤坂", "", "x"}), ParseRecordLog("107-0052 東京都港区赤坂\r\n\nx"));
  EXPECT_EQ((Records{"a"}), ParseRecordLog("a\n"));
  const std::string tooLong = TextOfLength(1200, "赤");
  EXPECT_EQ((Records{tooLong.substr(0, 998), "a"}), ParseRecordLog(FormatRecordLog({tooLong, "a\r\nb"})));
  EXPECT_EQ((Records{std::string(999, 'z')}), ParseRecordLog(FormatRecordLog({std::string(1000, 'z')})));
}

TEST(SavedListFiles, SaveAndLoadThroughTheFiles) {
  testing_support::TempDir dir;
  const std::string conditions = dir.File("d_joken.dat");
  const std::string records = dir.File("kiroku.txt");
  EXPECT_TRUE(LoadSavedConditions(conditions).empty()) << "a missing file is an empty list";
  EXPECT_TRUE(LoadRecordLog(records).empty());

  const std::vector<ConditionRow> rows = {Row("番号", "新番号", "107-0052", "", ""), Row("場所", "", "東京都", "港区", "赤坂,1")};
  const Records log = {"107-0052 東京都港区赤坂", TextOfLength(510, "赤"), TextOfLength(999, "東")};
  ASSERT_TRUE(SaveConditions(conditions, rows));
  ASSERT_TRUE(SaveRecordLog(records, log));
  EXPECT_EQ("番号,新番号,107-0052,,\n場所,,東京都,港区,赤坂,1\n", testing_support::ReadFile(conditions));
  EXPECT_EQ(Cells(rows), Cells(LoadSavedConditions(conditions)));
  EXPECT_EQ(log, LoadRecordLog(records));

  ASSERT_TRUE(SaveConditions(conditions, {}));
  ASSERT_TRUE(SaveRecordLog(records, {}));
  EXPECT_EQ("", testing_support::ReadFile(conditions)) << "empty lists leave empty files";
  EXPECT_EQ("", testing_support::ReadFile(records));
}

TEST(SavedListFiles, AFailedSaveLeavesTheOldFileAsItWas) {
  testing_support::TempDir dir;
  const std::string conditions = dir.File("d_joken.dat");
  const std::string records = dir.File("kiroku.txt");
  testing_support::WriteFile(conditions, "場所,,東京都,港区,\n");
  testing_support::WriteFile(records, "old row\n");
  // A directory where the temporary file would go makes the write fail.
  ASSERT_EQ(0, ::mkdir((conditions + ".tmp").c_str(), 0700));
  ASSERT_EQ(0, ::mkdir((records + ".tmp").c_str(), 0700));
  EXPECT_FALSE(SaveConditions(conditions, {Row("番号", "", "", "", "")}));
  EXPECT_FALSE(SaveRecordLog(records, {"new row"}));
  EXPECT_EQ("場所,,東京都,港区,\n", testing_support::ReadFile(conditions));
  EXPECT_EQ("old row\n", testing_support::ReadFile(records));
  ::rmdir((conditions + ".tmp").c_str());
  ::rmdir((records + ".tmp").c_str());
  EXPECT_FALSE(SaveRecordLog(dir.File("no/such/dir/kiroku.txt"), {"x"}));
}
