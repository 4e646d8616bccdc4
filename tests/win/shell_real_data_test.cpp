// The main window over copies of Japan Post's published files.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

class ShellRealDataTest : public ShellTest {
 protected:
  void SetUp() override {
    const std::string shared = KURANTO_SHARED_DATA;
    const std::string ken = shared + "/KEN_ALL.CSV";
    const std::string jigyosyo = shared + "/JIGYOSYO.CSV";
    if (GetFileAttributesA(ken.c_str()) == INVALID_FILE_ATTRIBUTES) {
      GTEST_SKIP() << "the published address file is not in " << shared;
    }
    // Copies: the program writes its index files beside the address file.
    ASSERT_TRUE(CopyFileA(ken.c_str(), dir_.File("Ken_all.csv").c_str(), FALSE));
    CopyFileA(jigyosyo.c_str(), dir_.File("Jigyosyo.csv").c_str(), FALSE);
    Start();
  }
};

TEST_F(ShellRealDataTest, BuildsTheIndexFilesOfThePublishedFile) {
  EXPECT_TRUE(shell_test::Messages().empty());
  EXPECT_EQ(940u, dir_.Read("h_ken.dat").size());
  EXPECT_EQ(2000u, dir_.Read("h_newn.dat").size());
  EXPECT_EQ(2000u, dir_.Read("h_oldn.dat").size());
  EXPECT_EQ(0u, dir_.Read("shilist.txt").find("北海道札幌市中央区\n"));
  EXPECT_STREQ("沖縄県", kuranto::g_app.tables.prefectures[46].name);
}

TEST_F(ShellRealDataTest, TokyoCitiesAreListedOnceEachInFileOrder) {
  ChooseMode(IDC_RADIO_PLACE);
  SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);
  Command(IDC_PREFECTURE, CBN_SELCHANGE);
  SetFocus(c().city);
  shell_test::Pump();
  const std::vector<std::string> cities = shell_test::ComboItems(c().city);
  ASSERT_GT(cities.size(), 50u);
  EXPECT_EQ("千代田区", cities.front());
  EXPECT_EQ(cities.size(), std::set<std::string>(cities.begin(), cities.end()).size());
}

TEST_F(ShellRealDataTest, NewNumberSearchAndCopy) {
  SearchNumber(postal::kNewNumber, "1000001");
  ASSERT_GE(shell_test::ItemCount(c().addressList), 1);
  EXPECT_EQ(std::to_string(kuranto::g_app.resultCount) + " 件見つかりました。", shell_test::StatusText());
  shell_test::SelectItems(c().addressList, {0});
  Command(IDM_COPY);
  EXPECT_EQ(0u, shell_test::ClipboardText().find("1000001 東京都千代田区"));
}

TEST_F(ShellRealDataTest, OfficeSearchOnTheBusinessPage) {
  SwitchTab(1);
  SearchNumber(postal::kNewNumber, "100");
  EXPECT_GT(shell_test::ItemCount(c().officeList), 0);
  EXPECT_EQ(0, shell_test::ItemCount(c().addressList));
}

}  // namespace
