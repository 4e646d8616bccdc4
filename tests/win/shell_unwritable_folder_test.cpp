// A program folder the user cannot write (unpacked under "Program Files"):
// the searches answer from the index tables built in memory, and the lists
// that cannot be saved at exit are reported over the window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

const char* const kIndexFiles[] = {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"};
const char* const kListFiles[] = {"d_joken.dat", "kiroku.txt"};

struct Report {
  HWND owner;
  bool ownerVisible;
  std::string text;
  std::string caption;
};

std::vector<Report>& Reports() {
  static std::vector<Report> reports;
  return reports;
}

int RecordReport(HWND owner, const char* text, const char* caption, UINT) {
  Reports().push_back({owner, IsWindowVisible(owner) != FALSE, text, caption});
  return IDOK;
}

class UnwritableFolderTest : public ShellTest {
 protected:
  // Every write goes through "<name>.tmp"; a directory there makes it fail,
  // as a folder without write permission would.
  void BlockWrites(const char* const* names, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const std::string blocker = dir_.File(std::string(names[i]) + ".tmp");
      ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr)) << blocker;
      blockers_.push_back(blocker);
    }
  }
  void TearDown() override {
    ShellTest::TearDown();
    kuranto::SetMessageBoxHandler(nullptr);
    for (const std::string& blocker : blockers_) RemoveDirectoryA(blocker.c_str());
  }

  int SearchCount() { return shell_test::ItemCount(c().addressList); }

  std::vector<std::string> blockers_;
};

TEST_F(UnwritableFolderTest, EverySearchKindAnswersFromTheTablesBuiltInMemory) {
  WriteSampleFiles();
  BlockWrites(kIndexFiles, 4);
  Start();
  for (const char* name : kIndexFiles) EXPECT_FALSE(dir_.Has(name)) << name;

  const struct {
    int kind;
    const char* number;
    int expected;
  } numbers[] = {
      {postal::kNewNumber, "107", 2},
      {postal::kNewNumber, "060", 1},
      {postal::kOldNumber, "107", 2},
      {postal::kCityCode, "13103", 3},
  };
  for (const auto& item : numbers) {
    SearchNumber(item.kind, item.number);
    EXPECT_EQ(item.expected, SearchCount()) << item.number;
  }

  // Area code: the places of 03, then one of them.
  ChooseKind(postal::kAreaCode);
  SetWindowTextA(c().number, "03");
  PressEnterIn(c().number);
  SendMessageA(c().areaPlace, CB_SETCURSEL, 1, 0);  // 東京都 港区
  PressEnterIn(c().areaPlace);
  EXPECT_EQ(3, SearchCount()) << "area code";

  // Location: the city list comes from the list built in memory.
  ChooseMode(IDC_RADIO_PLACE);
  SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);  // 東京都
  Command(IDC_PREFECTURE, CBN_SELCHANGE);
  SetFocus(c().city);
  shell_test::Pump();
  EXPECT_EQ((std::vector<std::string>{"千代田区", "港区", "渋谷区"}), shell_test::ComboItems(c().city));
  SendMessageA(c().city, CB_SETCURSEL, 1, 0);
  PressEnterIn(c().town);
  EXPECT_EQ(3, SearchCount()) << "location";

  ChooseMode(IDC_RADIO_FUZZY);
  SetWindowTextA(c().fuzzy, "赤坂");
  PressEnterIn(c().fuzzy);
  EXPECT_EQ(2, SearchCount()) << "fuzzy";
}

TEST_F(UnwritableFolderTest, ListsThatCannotBeSavedAreReportedBeforeTheWindowCloses) {
  WriteSampleFiles();
  dir_.Write("d_joken.dat", "場所,,東京都,港区,\n");
  BlockWrites(kListFiles, 2);
  StartFresh();
  kuranto::SetMessageBoxHandler(RecordReport);
  Reports().clear();
  SendMessageA(window_, WM_CLOSE, 0, 0);
  shell_test::Pump();
  EXPECT_FALSE(IsWindow(window_));
  ASSERT_EQ(1u, Reports().size()) << "one report, not a second one at destroy";
  const Report& report = Reports()[0];
  EXPECT_EQ("報告", report.caption);
  EXPECT_EQ(window_, report.owner);
  EXPECT_TRUE(report.ownerVisible);
  for (const char* name : kListFiles) {
    EXPECT_NE(std::string::npos, report.text.find(dir_.File(name))) << report.text;
  }
  EXPECT_NE(std::string::npos, report.text.find("書き込み")) << "says the folder must be writable";
  EXPECT_EQ("場所,,東京都,港区,\n", dir_.Read("d_joken.dat")) << "the old file stays";
  EXPECT_FALSE(dir_.Has("kiroku.txt"));
}

TEST_F(UnwritableFolderTest, OnlyTheFileThatFailedIsNamed) {
  WriteSampleFiles();
  BlockWrites(kListFiles + 1, 1);
  StartFresh();
  kuranto::SetMessageBoxHandler(RecordReport);
  Reports().clear();
  DestroyWindow(window_);  // destroyed without a close first: saved and reported then
  shell_test::Pump();
  ASSERT_EQ(1u, Reports().size());
  EXPECT_EQ(std::string::npos, Reports()[0].text.find("d_joken.dat"));
  EXPECT_NE(std::string::npos, Reports()[0].text.find(dir_.File("kiroku.txt")));
  EXPECT_TRUE(dir_.Has("d_joken.dat"));
}

}  // namespace
