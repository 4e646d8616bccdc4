// Saved conditions come back after a restart and a double click puts each
// back into the search form.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

class ShellConditionsTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    dir_.Write("d_joken.dat",
               "番号,市外局番,03,東京都 港区,\n"
               "場所,,東京都,港区,坂\n"
               "事業,,サンプル,,\n"
               "曖昧,,赤坂,,\n"
               "番号,新番号,107,,\n");
    StartFresh();
  }

  void DoubleClickCondition(int row) {
    shell_test::SelectItems(c().conditionList, {row});
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = c().conditionList;
    click.hdr.idFrom = IDC_CONDITION_LIST;
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    SendMessageA(window_, WM_NOTIFY, IDC_CONDITION_LIST, reinterpret_cast<LPARAM>(&click));
    shell_test::Pump();
  }

  bool Checked(HWND radio) const { return SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  int Page() const { return static_cast<int>(SendMessageA(c().tab, TCM_GETCURSEL, 0, 0)); }
};

TEST_F(ShellConditionsTest, AreaCodeConditionRestoresKindNumberAndPlace) {
  SwitchTab(2);
  ASSERT_EQ(5, shell_test::ItemCount(c().conditionList));
  DoubleClickCondition(0);
  EXPECT_TRUE(Checked(c().radioNumber));
  EXPECT_EQ("市外局番", shell_test::TextOf(c().numberKind));
  EXPECT_EQ("03", shell_test::TextOf(c().number)) << "restoring the kind keeps the number";
  EXPECT_TRUE(IsWindowEnabled(c().areaPlace));
  EXPECT_EQ((std::vector<std::string>{"東京都 千代田区", "東京都 港区", "東京都 渋谷区"}),
            shell_test::ComboItems(c().areaPlace));
  EXPECT_EQ("東京都 港区", shell_test::TextOf(c().areaPlace));
  EXPECT_EQ(0, Page());
  EXPECT_TRUE(IsWindowVisible(c().addressList));

  // The restored condition searches as typed.
  Command(IDC_SEARCH);
  EXPECT_EQ("3 件見つかりました。", shell_test::StatusText());
}

TEST_F(ShellConditionsTest, LocationConditionRefillsTheCityList) {
  SwitchTab(2);
  DoubleClickCondition(1);
  EXPECT_TRUE(Checked(c().radioPlace));
  EXPECT_TRUE(IsWindowEnabled(c().prefecture));
  EXPECT_EQ("東京都", shell_test::TextOf(c().prefecture));
  EXPECT_EQ((std::vector<std::string>{"千代田区", "港区", "渋谷区"}), shell_test::ComboItems(c().city));
  EXPECT_EQ("港区", shell_test::TextOf(c().city));
  EXPECT_EQ("坂", shell_test::TextOf(c().town));
  EXPECT_EQ(0, Page());
}

TEST_F(ShellConditionsTest, FuzzyConditionsReturnToTheirOwnTab) {
  SwitchTab(2);
  DoubleClickCondition(2);
  EXPECT_EQ(1, Page());
  EXPECT_TRUE(IsWindowVisible(c().officeList));
  EXPECT_TRUE(Checked(c().radioFuzzy));
  EXPECT_EQ("大口客先名", shell_test::TextOf(c().radioFuzzy));
  EXPECT_EQ("サンプル", shell_test::TextOf(c().fuzzy));
  EXPECT_TRUE(IsWindowEnabled(c().fuzzy));

  SwitchTab(2);
  DoubleClickCondition(3);
  EXPECT_EQ(0, Page());
  EXPECT_EQ("あいまい", shell_test::TextOf(c().radioFuzzy));
  EXPECT_EQ("赤坂", shell_test::TextOf(c().fuzzy));

  SwitchTab(2);
  DoubleClickCondition(4);
  EXPECT_EQ("新番号", shell_test::TextOf(c().numberKind));
  EXPECT_EQ("107", shell_test::TextOf(c().number));
  EXPECT_FALSE(IsWindowEnabled(c().areaPlace));
}

TEST_F(ShellConditionsTest, DoubleClickWithoutASelectedRowChangesNothing) {
  SwitchTab(2);
  shell_test::SelectItems(c().conditionList, {});
  NMITEMACTIVATE click = {};
  click.hdr.hwndFrom = c().conditionList;
  click.hdr.idFrom = IDC_CONDITION_LIST;
  click.hdr.code = NM_DBLCLK;
  click.iItem = -1;
  SendMessageA(window_, WM_NOTIFY, IDC_CONDITION_LIST, reinterpret_cast<LPARAM>(&click));
  shell_test::Pump();
  EXPECT_EQ(2, Page());
  EXPECT_EQ("", shell_test::TextOf(c().number));
}
}  // namespace
