// The commands as the user gives them: searching, Enter, copying, recording,
// clearing, the tab pages, the location lists and the font size.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <gtest/gtest.h>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

class ShellCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    StartFresh();
  }
};

TEST_F(ShellCommandsTest, NewNumberSearchFillsTheListAndShowsTheCount) {
  SearchNumber(postal::kNewNumber, "107");
  EXPECT_EQ("2 件見つかりました。", shell_test::StatusText());
  EXPECT_EQ(2, shell_test::ItemCount(c().addressList));
  EXPECT_EQ(2, kuranto::g_app.resultCount);
  EXPECT_STREQ("1070052", kuranto::g_app.addressRows.At(0)->newNumber);
  EXPECT_STREQ("1076090", kuranto::g_app.addressRows.At(1)->newNumber);
  // The form is usable again in number mode; the search button has the focus.
  EXPECT_TRUE(IsWindowEnabled(c().number));
  EXPECT_TRUE(IsWindowEnabled(c().numberKind));
  EXPECT_FALSE(IsWindowEnabled(c().prefecture));
  EXPECT_FALSE(IsWindowEnabled(c().fuzzy));
  EXPECT_TRUE(IsWindowEnabled(c().search));
  EXPECT_TRUE(IsWindowEnabled(c().radioPlace));
  EXPECT_EQ(c().search, GetFocus());
}

TEST_F(ShellCommandsTest, SearchesByKindTownAndNothingFound) {
  const struct {
    int kind;
    const char* number;
    int expected;
  } cases[] = {
      {postal::kNewNumber, "1", -1},  // refused: too short
      {postal::kNewNumber, "99", 0},
      {postal::kNewNumber, "10", 4},
      {postal::kOldNumber, "107", 2},
      {postal::kCityCode, "13103", 3},
  };
  for (const auto& item : cases) {
    shell_test::Messages().clear();
    SearchNumber(item.kind, item.number);
    const int expected = item.expected < 0 ? 0 : item.expected;
    EXPECT_EQ(expected, shell_test::ItemCount(c().addressList)) << item.number;
    EXPECT_EQ(std::to_string(expected) + " 件見つかりました。", shell_test::StatusText()) << item.number;
    EXPECT_EQ(item.expected < 0 ? 1u : 0u, shell_test::Messages().size()) << item.number;
  }
}

TEST_F(ShellCommandsTest, RefusedInputShowsTheConfirmBox) {
  SearchNumber(postal::kNewNumber, "");
  ASSERT_EQ(1u, shell_test::Messages().size());
  EXPECT_EQ("確認", shell_test::Messages()[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), shell_test::Messages()[0].flags);
  EXPECT_EQ("0 件見つかりました。", shell_test::StatusText());
}

TEST_F(ShellCommandsTest, LocationSearchUsesPrefectureCityAndTown) {
  ChooseMode(IDC_RADIO_PLACE);
  EXPECT_TRUE(IsWindowEnabled(c().prefecture));
  EXPECT_TRUE(IsWindowEnabled(c().city));
  EXPECT_TRUE(IsWindowEnabled(c().town));
  EXPECT_FALSE(IsWindowEnabled(c().number));
  EXPECT_FALSE(IsWindowEnabled(c().areaPlace));
  SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);
  Command(IDC_PREFECTURE, CBN_SELCHANGE);
  SetFocus(c().city);
  shell_test::Pump();
  const std::vector<std::string> cities = {"千代田区", "港区", "渋谷区"};
  EXPECT_EQ(cities, shell_test::ComboItems(c().city));
  SendMessageA(c().city, CB_SETCURSEL, 1, 0);
  SetWindowTextA(c().town, "赤坂");
  PressEnterIn(c().town);
  EXPECT_EQ("2 件見つかりました。", shell_test::StatusText());
}

TEST_F(ShellCommandsTest, CityListIsRefilledOnFocusAndEmptiedByThePrefecture) {
  ChooseMode(IDC_RADIO_PLACE);
  SendMessageA(c().prefecture, CB_SETCURSEL, 0, 0);
  for (int i = 0; i < 2; ++i) {
    SetFocus(c().city);
    shell_test::Pump();
    const std::vector<std::string> cities = {"札幌市中央区", "函館市"};
    EXPECT_EQ(cities, shell_test::ComboItems(c().city));
    SetFocus(c().town);
    shell_test::Pump();
  }
  SendMessageA(c().prefecture, CB_SETCURSEL, 13, 0);
  Command(IDC_PREFECTURE, CBN_SELCHANGE);
  EXPECT_TRUE(shell_test::ComboItems(c().city).empty());
}

TEST_F(ShellCommandsTest, EnterWithAreaCodeKindMovesToTheAreaPlaceList) {
  ChooseMode(IDC_RADIO_NUMBER);
  ChooseKind(postal::kAreaCode);
  EXPECT_TRUE(IsWindowEnabled(c().areaPlace));
  SetWindowTextA(c().number, "03");
  PressEnterIn(c().number);
  EXPECT_EQ(c().areaPlace, GetFocus());
  const std::vector<std::string> places = {"東京都 千代田区", "東京都 港区", "東京都 渋谷区"};
  EXPECT_EQ(places, shell_test::ComboItems(c().areaPlace));
  EXPECT_EQ("東京都 千代田区", shell_test::TextOf(c().areaPlace));
  EXPECT_EQ(0, shell_test::ItemCount(c().addressList));  // no search yet
  SendMessageA(c().areaPlace, CB_SETCURSEL, 1, 0);
  PressEnterIn(c().areaPlace);
  EXPECT_EQ("3 件見つかりました。", shell_test::StatusText());
}

TEST_F(ShellCommandsTest, TheShippedAreaCodeTableListsThePlacesOfACode) {
  // The list is filled from the file each time it gets the focus.
  ASSERT_TRUE(CopyFileA(KURANTO_DATA_DIR "/telnum.dat", dir_.File("telnum.dat").c_str(), FALSE));
  std::vector<std::string> tokyo;
  for (const char* city : {"千代田区", "中央区", "港区", "新宿区", "文京区", "台東区", "墨田区", "江東区", "品川区",
                           "目黒区", "大田区", "世田谷区", "渋谷区", "中野区", "杉並区", "豊島区", "北区", "荒川区",
                           "板橋区", "練馬区", "足立区", "葛飾区", "江戸川区", "三鷹市", "調布市", "狛江市"})
    tokyo.push_back(std::string("東京都 ") + city);
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"03", tokyo},
      {"0123", {"北海道 夕張市", "北海道 千歳市", "北海道 恵庭市", "北海道 夕張郡由仁町", "北海道 夕張郡長沼町", "北海道 夕張郡栗山町"}},
      {"01267", {"北海道 岩見沢市", "北海道 三笠市"}},
  };
  ChooseMode(IDC_RADIO_NUMBER);
  ChooseKind(postal::kAreaCode);
  for (const auto& [code, places] : cases) {
    SetWindowTextA(c().number, code);
    SetFocus(c().areaPlace);
    shell_test::Pump();
    EXPECT_EQ(places, shell_test::ComboItems(c().areaPlace)) << code;
    SetFocus(c().number);
    shell_test::Pump();
  }
}

TEST_F(ShellCommandsTest, ChangingTheKindEmptiesTheNumberBoxAndSetsTheAreaList) {
  ChooseKind(postal::kAreaCode);
  SetWindowTextA(c().number, "03");
  ChooseKind(postal::kNewNumber);
  EXPECT_EQ("", shell_test::TextOf(c().number));
  EXPECT_FALSE(IsWindowEnabled(c().areaPlace));
  ChooseKind(postal::kAreaCode);
  EXPECT_TRUE(IsWindowEnabled(c().areaPlace));
}

TEST_F(ShellCommandsTest, AcceleratorTurnsEnterIntoTheEnterCommand) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), "IDR_ACCELERATOR1");
  ChooseKind(postal::kNewNumber);
  SetWindowTextA(c().number, "100");
  SetFocus(c().number);
  MSG key = {};
  key.hwnd = c().number;
  key.message = WM_KEYDOWN;
  key.wParam = VK_RETURN;
  EXPECT_TRUE(TranslateAcceleratorA(window_, table, &key));
  shell_test::Pump();
  EXPECT_EQ("1 件見つかりました。", shell_test::StatusText());
  DestroyAcceleratorTable(table);
}

TEST_F(ShellCommandsTest, EnterOnTheAddressListShowsTheRowButDoesNotCopy) {
  SearchNumber(postal::kNewNumber, "107");
  shell_test::SetClipboardMarker("marker");
  shell_test::SelectItems(c().addressList, {1});
  PressEnterIn(c().addressList);
  EXPECT_EQ("1076090 東京都港区赤坂アークヒルズ", shell_test::TextOf(c().display));
  EXPECT_EQ("marker", shell_test::ClipboardText());
}

TEST_F(ShellCommandsTest, EnterInTheDisplayBoxDoesNothing) {
  SetWindowTextA(c().display, "abc");
  PressEnterIn(c().display);
  EXPECT_EQ("abc", shell_test::TextOf(c().display));
  EXPECT_EQ("", shell_test::StatusText());
}

TEST_F(ShellCommandsTest, CopyPutsTheFormattedRowInTheDisplayAndOnTheClipboard) {
  SearchNumber(postal::kNewNumber, "107");
  shell_test::SelectItems(c().addressList, {0});
  Command(IDM_COPY);
  EXPECT_EQ("1070052 東京都港区赤坂", shell_test::TextOf(c().display));
  EXPECT_EQ("1070052 東京都港区赤坂", shell_test::ClipboardText());

  kuranto::g_app.settings.hyphen = true;
  Command(IDM_COPY);
  EXPECT_EQ("107-0052 東京都港区赤坂", shell_test::ClipboardText());
}

TEST_F(ShellCommandsTest, CopyWithoutASelectedRowChangesNothing) {
  SearchNumber(postal::kNewNumber, "107");
  shell_test::SetClipboardMarker("marker");
  SetWindowTextA(c().display, "before");
  Command(IDM_COPY);
  EXPECT_EQ("before", shell_test::TextOf(c().display));
  EXPECT_EQ("marker", shell_test::ClipboardText());
}

TEST_F(ShellCommandsTest, DoubleClickCopiesAndClickShows) {
  SearchNumber(postal::kNewNumber, "100");
  shell_test::SelectItems(c().addressList, {0});
  NMITEMACTIVATE click = {};
  click.hdr.hwndFrom = c().addressList;
  click.hdr.idFrom = IDC_ADDRESS_LIST;
  click.hdr.code = NM_CLICK;
  SendMessageA(window_, WM_NOTIFY, IDC_ADDRESS_LIST, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ("1000001 東京都千代田区千代田", shell_test::TextOf(c().display));
  shell_test::SetClipboardMarker("marker");
  click.hdr.code = NM_DBLCLK;
  SendMessageA(window_, WM_NOTIFY, IDC_ADDRESS_LIST, reinterpret_cast<LPARAM>(&click));
  shell_test::Pump();
  EXPECT_EQ("1000001 東京都千代田区千代田", shell_test::ClipboardText());
}

TEST_F(ShellCommandsTest, RecordAppendsSelectedRowsInRowOrder) {
  SearchNumber(postal::kNewNumber, "10");
  shell_test::SelectItems(c().addressList, {3, 0, 2});
  Command(IDM_RECORD);
  ASSERT_EQ(3, shell_test::ItemCount(c().recordList));
  EXPECT_EQ("1000001 東京都千代田区千代田", shell_test::ItemText(c().recordList, 0, 0));
  EXPECT_EQ("1076090 東京都港区赤坂アークヒルズ", shell_test::ItemText(c().recordList, 1, 0));
  EXPECT_EQ("1050011 東京都港区芝公園", shell_test::ItemText(c().recordList, 2, 0));

  // The record list's own commands: copy a line, remove the selected lines.
  shell_test::SelectItems(c().recordList, {1});
  Command(IDM_COPY_RECORD);
  EXPECT_EQ("1076090 東京都港区赤坂アークヒルズ", shell_test::ClipboardText());
  shell_test::SelectItems(c().recordList, {0, 2});
  Command(IDM_REMOVE_RECORD);
  ASSERT_EQ(1, shell_test::ItemCount(c().recordList));
  EXPECT_EQ("1076090 東京都港区赤坂アークヒルズ", shell_test::ItemText(c().recordList, 0, 0));
}

TEST_F(ShellCommandsTest, RecordLogIsWrittenAtExit) {
  SearchNumber(postal::kNewNumber, "100");
  shell_test::SelectItems(c().addressList, {0});
  Command(IDM_RECORD);
  DestroyWindow(window_);
  shell_test::Pump();
  EXPECT_EQ("1000001 東京都千代田区千代田\n", dir_.Read("kiroku.txt"));
}

TEST_F(ShellCommandsTest, NewConditionClearsFormAndBothLists) {
  SearchNumber(postal::kNewNumber, "107");
  SetWindowTextA(c().display, "text");
  SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);
  SwitchTab(1);
  Command(IDC_NEW_CONDITION);
  EXPECT_EQ(" ", shell_test::StatusText());
  EXPECT_EQ(0, shell_test::ItemCount(c().addressList));
  EXPECT_EQ(0, kuranto::g_app.addressRows.Count());
  EXPECT_EQ("", shell_test::TextOf(c().number));
  EXPECT_EQ("", shell_test::TextOf(c().display));
  EXPECT_EQ("北海道", shell_test::TextOf(c().prefecture));
  EXPECT_EQ(-1, SendMessageA(c().city, CB_GETCURSEL, 0, 0));
  EXPECT_EQ("新番号", shell_test::TextOf(c().numberKind));  // kept
}

TEST_F(ShellCommandsTest, TabPagesShowTheirControls) {
  SwitchTab(1);
  EXPECT_FALSE(IsWindowVisible(c().addressList));
  EXPECT_TRUE(IsWindowVisible(c().officeList));
  EXPECT_EQ("大口客先名", shell_test::TextOf(c().radioFuzzy));
  HWND header = reinterpret_cast<HWND>(SendMessageA(c().officeList, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(8, static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)));

  SwitchTab(2);
  EXPECT_FALSE(IsWindowVisible(c().addressList));
  EXPECT_FALSE(IsWindowVisible(c().officeList));
  EXPECT_FALSE(IsWindowVisible(c().number));
  EXPECT_FALSE(IsWindowVisible(c().radioNumber));
  EXPECT_TRUE(IsWindowVisible(c().conditionList));
  EXPECT_TRUE(IsWindowVisible(c().recordList));
  EXPECT_FALSE(IsWindowEnabled(c().clip));
  EXPECT_FALSE(IsWindowEnabled(c().search));
  EXPECT_FALSE(IsWindowEnabled(c().registerCondition));
  EXPECT_TRUE(IsWindowEnabled(c().newCondition));

  SwitchTab(0);
  EXPECT_TRUE(IsWindowVisible(c().addressList));
  EXPECT_TRUE(IsWindowVisible(c().number));
  EXPECT_FALSE(IsWindowVisible(c().recordList));
  EXPECT_EQ("あいまい", shell_test::TextOf(c().radioFuzzy));
  EXPECT_TRUE(IsWindowEnabled(c().search));
}

TEST_F(ShellCommandsTest, OfficeSearchFillsTheBusinessList) {
  SwitchTab(1);
  SearchNumber(postal::kNewNumber, "100");
  EXPECT_EQ(1, shell_test::ItemCount(c().officeList));
  EXPECT_EQ("1 件見つかりました。", shell_test::StatusText());
  shell_test::SelectItems(c().officeList, {0});
  Command(IDM_COPY);
  EXPECT_EQ("1008799 東京都千代田区丸の内１丁目１ 株式会社サンプル", shell_test::ClipboardText());
}

TEST_F(ShellCommandsTest, RegisterConditionCapturesTheFormByKind) {
  ChooseMode(IDC_RADIO_PLACE);
  SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);
  SetFocus(c().city);
  shell_test::Pump();
  SendMessageA(c().city, CB_SETCURSEL, 1, 0);
  Command(IDC_REGISTER_CONDITION);

  SwitchTab(1);
  ChooseMode(IDC_RADIO_FUZZY);
  SetWindowTextA(c().fuzzy, "サンプル");
  Command(IDC_REGISTER_CONDITION);

  SwitchTab(0);
  ChooseMode(IDC_RADIO_NUMBER);
  ChooseKind(postal::kNewNumber);
  SetWindowTextA(c().number, "107");
  Command(IDC_REGISTER_CONDITION);

  const std::vector<std::vector<std::string>> expected = {
      {"場所", "", "東京都", "港区", ""},
      {"事業", "", "サンプル", "", ""},
      {"番号", "新番号", "107", "", ""},
  };
  ASSERT_EQ(3, shell_test::ItemCount(c().conditionList));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 5; ++column) {
      EXPECT_EQ(expected[row][column], shell_test::ItemText(c().conditionList, row, column)) << row << "," << column;
    }
  }
  shell_test::SelectItems(c().conditionList, {1});
  Command(IDM_REMOVE_CONDITION);
  EXPECT_EQ(2, shell_test::ItemCount(c().conditionList));
  DestroyWindow(window_);
  shell_test::Pump();
  EXPECT_EQ("場所,,東京都,港区,\n番号,新番号,107,,\n", dir_.Read("d_joken.dat"));
}

TEST_F(ShellCommandsTest, FontSizeCommandsChangeRowHeightAtOnce) {
  SearchNumber(postal::kNewNumber, "107");
  EXPECT_EQ(20, shell_test::RowHeight(c().addressList));
  const struct {
    int command, rowHeight;
  } cases[] = {{IDM_FONT_LARGEST, 26}, {IDM_FONT_MEDIUM, 22}, {IDM_FONT_SMALLEST, 18}, {IDM_FONT_LARGE, 24}};
  HMENU menu = GetMenu(window_);
  for (const auto& item : cases) {
    Command(item.command);
    EXPECT_EQ(item.rowHeight, shell_test::RowHeight(c().addressList)) << item.command;
    for (int command = IDM_FONT_LARGEST; command <= IDM_FONT_SMALLEST; ++command) {
      const bool checked = (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
      EXPECT_EQ(command == item.command, checked) << item.command << " " << command;
    }
  }
  LOGFONTA font = {};
  GetObjectA(kuranto::g_app.listFont, sizeof font, &font);
  EXPECT_EQ(18, font.lfHeight);
}

TEST_F(ShellCommandsTest, RowCommandsAreGrayedWithoutASelectedRow) {
  SearchNumber(postal::kNewNumber, "107");
  HMENU menu = GetMenu(window_);
  SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menu, 0)), 0);
  EXPECT_TRUE(GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, IDM_PROPERTIES, MF_BYCOMMAND) & MF_GRAYED);
  shell_test::SelectItems(c().addressList, {0});
  SendMessageA(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(menu, 0)), 0);
  EXPECT_FALSE(GetMenuState(menu, IDM_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, IDM_RECORD, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(ShellCommandsTest, InputMethodFollowsTheBoxAndTheCheckBox) {
  HIMC ime = ImmGetContext(window_);
  if (ime == nullptr) GTEST_SKIP() << "no input context here";
  const auto state = [&](DWORD* conversion) {
    DWORD sentence = 0;
    ImmGetConversionStatus(ime, conversion, &sentence);
    return ImmGetOpenStatus(ime) != FALSE;
  };
  DWORD conversion = 0;

  ImmSetOpenStatus(ime, TRUE);
  Command(IDC_NUMBER, EN_SETFOCUS);
  EXPECT_FALSE(state(&conversion));

  // Check box cleared: the town box leaves the input method as it was.
  Command(IDC_TOWN, EN_SETFOCUS);
  EXPECT_FALSE(state(&conversion));

  SendMessageA(c().checkIme, BM_SETCHECK, BST_CHECKED, 0);
  Command(IDC_TOWN, EN_SETFOCUS);
  EXPECT_TRUE(state(&conversion));
  EXPECT_EQ(static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN), conversion);

  SendMessageA(c().charWidth, CB_SETCURSEL, 1, 0);  // 半角
  Command(IDC_FUZZY, EN_SETFOCUS);
  EXPECT_TRUE(state(&conversion));
  EXPECT_EQ(static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_ROMAN), conversion);
  ImmReleaseContext(window_, ime);
}

}  // namespace
