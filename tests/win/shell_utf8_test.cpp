// Japan Post's UTF-8 edition at start: converted when it lies alone beside
// the program, refused under the address file's name. Literals are cp932;
// u8 literals are the UTF-8 edition's bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/texts.h"
#include "postal/texts.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

const char* const kUtf8Lines[] = {
    u8"01101,\"060  \",\"0600000\",\"ホッカイドウ\",\"サッポロシチュウオウク\",\"イカニケイサイガナイバアイ\",\"北海道\","
    u8"\"札幌市中央区\",\"以下に掲載がない場合\",0,0,0,0,0,0",
    u8"13103,\"107  \",\"1070052\",\"トウキョウト\",\"ミナトク\",\"アカサカ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0",
    u8"13103,\"107  \",\"1076090\",\"トウキョウト\",\"ミナトク\",\"アカサカアークヒルズ（チカイ・カイソウフメイ）\","
    u8"\"東京都\",\"港区\",\"赤坂アークヒルズ（地階・階層不明）\",0,0,0,0,0,0",
};
const std::vector<std::string> kShiftJisLines = {
    shell_test::AddressLine("01101", "060  ", "0600000", "ﾎｯｶｲﾄﾞｳ", "ｻｯﾎﾟﾛｼﾁｭｳｵｳｸ", "ｲｶﾆｹｲｻｲｶﾞﾅｲﾊﾞｱｲ", "北海道",
                            "札幌市中央区", "以下に掲載がない場合"),
    "13103,\"107  \",\"1070052\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"ｱｶｻｶ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0",
    shell_test::AddressLine("13103", "107  ", "1076090", "ﾄｳｷｮｳﾄ", "ﾐﾅﾄｸ", "ｱｶｻｶｱｰｸﾋﾙｽﾞ(ﾁｶｲ･ｶｲｿｳﾌﾒｲ)", "東京都", "港区",
                            "赤坂アークヒルズ（地階・階層不明）"),
};

std::string Utf8File(const std::string& extraLine = "") {
  std::string all;
  for (const char* line : kUtf8Lines) all += std::string(line) + "\r\n";
  return all + extraLine;
}

// The texts the data-build dialogs show, in order, seen on their way to the
// dialog's text control.
std::vector<std::string>& DialogTexts() {
  static std::vector<std::string> texts;
  return texts;
}

LRESULT CALLBACK RecordDialogText(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_SETTEXT && GetDlgCtrlID(sent->hwnd) == IDC_BUILD_TEXT) {
    DialogTexts().push_back(reinterpret_cast<const char*>(sent->lParam));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ShellUtf8Test : public ShellTest {
 protected:
  void StartWatchingDialogs() {
    DialogTexts().clear();
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, RecordDialogText, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook_);
    Start();
    UnhookWindowsHookEx(hook_);
  }

  HHOOK hook_ = nullptr;
};

TEST_F(ShellUtf8Test, Utf8EditionAloneIsConvertedThenSearchedAsUsual) {
  dir_.Write("Utf_Ken_All.CSV", Utf8File());
  StartWatchingDialogs();
  EXPECT_TRUE(shell_test::Messages().empty());
  EXPECT_FALSE(quitRequested_);
  const std::vector<std::string> expectedTexts = {
      kuranto::texts::kImportStart,    kuranto::texts::kImportRunning,     kuranto::texts::kCityListStart,
      kuranto::texts::kCityListRunning, kuranto::texts::kPrefectureStart, kuranto::texts::kPrefectureRunning,
      kuranto::texts::kNumberStart,    kuranto::texts::kNumberRunning,
  };
  EXPECT_EQ(expectedTexts, DialogTexts());
  EXPECT_EQ(shell_test::CrLfLines(kShiftJisLines), dir_.Read("Ken_all.csv"));
  EXPECT_EQ("北海道札幌市中央区\n東京都港区\n", dir_.Read("shilist.txt"));

  SearchNumber(postal::kNewNumber, "107");
  EXPECT_EQ("2 件見つかりました。", shell_test::StatusText());
  ChooseMode(IDC_RADIO_FUZZY);
  SetWindowTextA(c().fuzzy, "赤坂");
  PressEnterIn(c().fuzzy);
  ASSERT_EQ(2, shell_test::ItemCount(c().addressList));
  EXPECT_STREQ("赤坂アークヒルズ（地階・階層不明）", kuranto::g_app.addressRows.At(1)->town);
  EXPECT_STREQ("ｱｶｻｶｱｰｸﾋﾙｽﾞ(ﾁｶｲ･ｶｲｿｳﾌﾒｲ)", kuranto::g_app.addressRows.At(1)->townKana);
}

TEST_F(ShellUtf8Test, ShiftJisAddressFileBesideItIsUsedAsItIs) {
  dir_.Write("utf_ken_all.csv", Utf8File());
  dir_.Write("Ken_all.csv", shell_test::CrLfLines({kShiftJisLines[1]}));
  StartWatchingDialogs();
  EXPECT_TRUE(shell_test::Messages().empty());
  ASSERT_FALSE(DialogTexts().empty());
  EXPECT_EQ(kuranto::texts::kCityListStart, DialogTexts()[0]) << "no conversion";
  EXPECT_EQ(shell_test::CrLfLines({kShiftJisLines[1]}), dir_.Read("Ken_all.csv"));
}

TEST_F(ShellUtf8Test, Utf8AddressFileIsReportedAndNothingIsBuilt) {
  dir_.Write("Ken_all.csv", Utf8File());
  StartWatchingDialogs();
  ASSERT_EQ(1u, shell_test::Messages().size());
  EXPECT_EQ(postal::kUtf8EditionAdvice, shell_test::Messages()[0].text);
  EXPECT_EQ("報告", shell_test::Messages()[0].caption);
  EXPECT_TRUE(quitRequested_);
  EXPECT_TRUE(DialogTexts().empty());
  for (const char* name : {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"}) EXPECT_FALSE(dir_.Has(name)) << name;
  EXPECT_EQ(Utf8File(), dir_.Read("Ken_all.csv"));
}

TEST_F(ShellUtf8Test, CharacterWithoutShiftJisFormStopsTheConversion) {
  dir_.Write("utf_ken_all.csv", Utf8File(u8"13103,\"107  \",\"1070052\",\"\",\"\",\"\",\"東京都\",\"港区\",\"赤坂\U0001F600\"\r\n"));
  StartWatchingDialogs();
  ASSERT_EQ(2u, shell_test::Messages().size());
  EXPECT_EQ("utf_ken_all.csv の 4 行目の文字 U+1F600 は Shift-JIS にないため、Ken_all.csv を作れませんでした。",
            shell_test::Messages()[0].text);
  EXPECT_EQ("報告", shell_test::Messages()[0].caption);
  EXPECT_EQ("住所データがありません", shell_test::Messages()[1].text);
  EXPECT_TRUE(quitRequested_);
  EXPECT_FALSE(dir_.Has("Ken_all.csv"));
  EXPECT_FALSE(dir_.Has("Ken_all.csv.tmp"));
}

}  // namespace
