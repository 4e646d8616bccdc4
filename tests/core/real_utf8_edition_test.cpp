// Japan Post's UTF-8 edition against the Shift-JIS edition of the same
// release: import-utf8 must give KEN_ALL.CSV's bytes and its search results
// wherever KEN_ALL.CSV does not split a town over several lines.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "datafiles/utf8_edition.h"
#include "postal/address_search.h"
#include "postal/text.h"
#include "tests/core/test_support.h"

using namespace postal;

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Column(const std::string& line, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) start = line.find(',', start) + 1;
  std::string column = line.substr(start, line.find(',', start) - start);
  if (column.size() >= 2 && column.front() == '"') column = column.substr(1, column.size() - 2);
  return column;
}

// How far a cp932 text opens more "（" than it closes.
int OpenParentheses(const std::string& text) {
  int open = 0;
  for (size_t i = 0; i < text.size(); i += IsDoubleByte(text.c_str() + i) ? 2 : 1) {
    if (text.compare(i, 2, "（") == 0) ++open;
    if (text.compare(i, 2, "）") == 0) --open;
  }
  return open;
}

struct Edition {
  std::string path;
  IndexTables tables{};

  void Load(const std::string& file) {
    path = file;
    const datafiles::BuildProgress none;
    datafiles::LoadPrefectureRanges(datafiles::BuildPrefectureRanges(path, none), tables.prefectures);
    const datafiles::NumberRangeFiles numbers = datafiles::BuildNumberRanges(path, none);
    datafiles::LoadNumberRanges(numbers.newNumbers, tables.newNumbers);
    datafiles::LoadNumberRanges(numbers.oldNumbers, tables.oldNumbers);
  }

  // Every slot of every row found, skipping rows of the codes given.
  std::vector<std::string> Search(const SearchForm& form, const std::set<std::string>& skipCodes) const {
    AddressRows rows;
    EXPECT_EQ(nullptr, SearchAddresses(path, tables, form, rows));
    std::vector<std::string> found;
    for (int i = 0; i < rows.Count(); ++i) {
      if (skipCodes.count(rows.At(i)->newNumber) != 0) continue;
      std::string row;
      for (int slot = 0; slot < kAddressSlotCount; ++slot) row += std::string(AddressSlot(*rows.At(i), slot)) + "\t";
      found.push_back(row);
    }
    return found;
  }
};

class RealUtf8Edition : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string kenAll = testing_support::SharedDataFile("KEN_ALL.CSV");
    const std::string utf8 = testing_support::SharedDataFile("utf_ken_all.csv");
    if (kenAll.empty() || utf8.empty()) return;
    dir_ = new testing_support::TempDir;
    testing_support::CopyFile(utf8, dir_->File("utf_ken_all.csv"));
    importRun_ = testing_support::RunQueryTool({"--dir", dir_->path(), "import-utf8", dir_->File("utf_ken_all.csv")});
    shiftJis_ = new Edition;
    shiftJis_->Load(kenAll);
    converted_ = new Edition;
    converted_->Load(dir_->File("Ken_all.csv"));
  }
  static void TearDownTestSuite() {
    delete dir_;
    delete shiftJis_;
    delete converted_;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (dir_ == nullptr) GTEST_SKIP() << "no ../shared/data/KEN_ALL.CSV and utf_ken_all.csv here";
    ASSERT_EQ(0, importRun_.exitCode) << importRun_.err;
  }

  // KEN_ALL.CSV's lines with the towns it splits taken out, the split
  // towns as their lines, and the codes those have.
  static void SplitTowns(std::vector<std::string>& whole, std::vector<std::vector<std::string>>& split,
                         std::set<std::string>& codes) {
    const std::vector<std::string> lines = Lines(testing_support::ReadFile(shiftJis_->path));
    for (size_t i = 0; i < lines.size();) {
      int open = OpenParentheses(Column(lines[i], 8));
      if (open <= 0) {
        whole.push_back(lines[i++]);
        continue;
      }
      std::vector<std::string> parts = {lines[i++]};
      while (open > 0 && i < lines.size()) {
        open += OpenParentheses(Column(lines[i], 8));
        parts.push_back(lines[i++]);
      }
      codes.insert(Column(parts[0], 2));
      split.push_back(parts);
    }
  }

  static testing_support::TempDir* dir_;
  static testing_support::CommandResult importRun_;
  static Edition* shiftJis_;
  static Edition* converted_;
};

testing_support::TempDir* RealUtf8Edition::dir_ = nullptr;
testing_support::CommandResult RealUtf8Edition::importRun_;
Edition* RealUtf8Edition::shiftJis_ = nullptr;
Edition* RealUtf8Edition::converted_ = nullptr;

}  // namespace

TEST_F(RealUtf8Edition, OnlyTheUtf8EditionIsTakenForUtf8) {
  EXPECT_TRUE(datafiles::IsUtf8EditionFile(dir_->File("utf_ken_all.csv")));
  EXPECT_FALSE(datafiles::IsUtf8EditionFile(converted_->path));
  // No line of a Shift-JIS file looks like UTF-8 on its own either.
  for (const char* name : {"KEN_ALL.CSV", "JIGYOSYO.CSV"}) {
    const std::string path = testing_support::SharedDataFile(name);
    ASSERT_FALSE(path.empty()) << name;
    EXPECT_FALSE(datafiles::IsUtf8EditionFile(path)) << name;
    int taken = 0;
    for (const std::string& line : Lines(testing_support::ReadFile(path))) taken += datafiles::LooksLikeUtf8Edition(line);
    EXPECT_EQ(0, taken) << name;
  }
}

TEST_F(RealUtf8Edition, ImportGivesKenAllsBytesForEveryTownItDoesNotSplit) {
  std::vector<std::string> whole;
  std::vector<std::vector<std::string>> split;
  std::set<std::string> codes;
  SplitTowns(whole, split, codes);
  ASSERT_EQ(208u, split.size()) << "the release's split towns";

  // The converted lines are KEN_ALL.CSV's unsplit lines, in order, with one
  // line for each split town where its parts stood.
  const std::vector<std::string> converted = Lines(testing_support::ReadFile(converted_->path));
  size_t next = 0, joined = 0;
  for (const std::string& line : converted) {
    if (next < whole.size() && line == whole[next]) {
      ++next;
      continue;
    }
    ASSERT_LT(joined, split.size()) << line;
    const std::vector<std::string>& parts = split[joined++];
    EXPECT_EQ(Column(parts[0], 2), Column(line, 2));
    EXPECT_EQ(0u, Column(line, 8).find(Column(parts[0], 8))) << Column(line, 8);
    EXPECT_LE(line.size(), 255u) << "read as one line";
  }
  EXPECT_EQ(whole.size(), next);
  EXPECT_EQ(split.size(), joined);
  EXPECT_EQ(converted.size(), whole.size() + split.size());
}

TEST_F(RealUtf8Edition, SearchesFindTheSameRowsAsInKenAll) {
  std::vector<std::string> whole;
  std::vector<std::vector<std::string>> split;
  std::set<std::string> splitCodes;
  SplitTowns(whole, split, splitCodes);
  const std::set<std::string> none;

  std::vector<SearchForm> forms;
  for (int key = 0; key < 100; ++key) {
    SearchForm f;
    f.mode = SearchMode::kNumber;
    f.kind = kNewNumber;
    f.number = std::string(1, static_cast<char>('0' + key / 10)) + static_cast<char>('0' + key % 10);
    forms.push_back(f);
  }
  for (int i = 0; i < kPrefectureRecords; ++i) {
    SearchForm f;
    f.mode = SearchMode::kLocation;
    f.prefecture = shiftJis_->tables.prefectures[i].name;
    forms.push_back(f);
  }
  for (const char* text : {"赤坂", "ｱｶｻｶ", "一円", "（次のビルを除く）", "ヶ"}) {
    SearchForm f;
    f.mode = SearchMode::kFuzzy;
    f.fuzzy = text;
    forms.push_back(f);
  }
  std::multimap<std::string, std::string> townsOfCode;  // number searches of the converted file
  for (const SearchForm& f : forms) {
    const std::string what = f.number + f.prefecture + f.fuzzy;
    const std::vector<std::string> expected = shiftJis_->Search(f, splitCodes);
    ASSERT_FALSE(expected.empty()) << what;
    EXPECT_EQ(expected, converted_->Search(f, splitCodes)) << what;
    if (f.kind == kNewNumber && f.mode == SearchMode::kNumber) {
      for (const std::string& row : converted_->Search(f, none)) {
        std::vector<std::string> slots;
        for (size_t start = 0, tab; (tab = row.find('\t', start)) != std::string::npos; start = tab + 1) {
          slots.push_back(row.substr(start, tab - start));
        }
        townsOfCode.emplace(slots[0], slots[5]);
      }
    }
  }
  // Each split town is found on its one line, its town beginning as in KEN_ALL.CSV.
  for (const std::vector<std::string>& parts : split) {
    const std::string firstPart = Column(parts[0], 8);
    bool found = false;
    const auto range = townsOfCode.equal_range(Column(parts[0], 2));
    for (auto it = range.first; it != range.second; ++it) found = found || it->second.rfind(firstPart, 0) == 0;
    EXPECT_TRUE(found) << Column(parts[0], 2) << " " << testing_support::ToUtf8(firstPart);
  }
}
