// Start-up of the main window: the data check, the index builds, the child
// controls as the user first sees them, and the resources behind them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/texts.h"
#include "datafiles/file_access.h"
#include "postal/texts.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

TEST_F(ShellTest, MissingAddressFileReportsAndQuitsWithoutWritingFiles) {
  Start();
  ASSERT_EQ(1u, shell_test::Messages().size());
  EXPECT_EQ("住所データがありません", shell_test::Messages()[0].text);
  EXPECT_EQ("報告", shell_test::Messages()[0].caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), shell_test::Messages()[0].flags);
  EXPECT_TRUE(quitRequested_);
  for (const char* name : {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"}) {
    EXPECT_FALSE(dir_.Has(name)) << name;
  }
}

TEST_F(ShellTest, AddressFileWithCrOnlyLineEndsIsReportedAndNothingIsBuilt) {
  std::string crOnly;
  for (const std::string& line : shell_test::SampleAddressLines()) crOnly += line + "\r";
  dir_.Write("Ken_all.csv", crOnly);
  Start();
  ASSERT_EQ(1u, shell_test::Messages().size());
  EXPECT_EQ(postal::kAddressFileNoLineEnds, shell_test::Messages()[0].text);
  EXPECT_EQ("報告", shell_test::Messages()[0].caption);
  EXPECT_TRUE(quitRequested_);
  for (const char* name : {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"}) EXPECT_FALSE(dir_.Has(name)) << name;
  EXPECT_EQ(crOnly, dir_.Read("Ken_all.csv"));
}

TEST_F(ShellTest, FirstStartBuildsEveryIndexFile) {
  WriteSampleFiles();
  Start();
  EXPECT_TRUE(shell_test::Messages().empty());
  EXPECT_FALSE(quitRequested_);
  EXPECT_EQ(2000u, dir_.Read("h_newn.dat").size());
  EXPECT_EQ(2000u, dir_.Read("h_oldn.dat").size());
  // 北海道, 東京都, 神奈川県: three 20-byte runs.
  EXPECT_EQ(60u, dir_.Read("h_ken.dat").size());
  EXPECT_EQ("北海道札幌市中央区\n北海道函館市\n東京都千代田区\n東京都港区\n東京都渋谷区\n神奈川県横浜市西区\n",
            dir_.Read("shilist.txt"));
  EXPECT_STREQ("北海道", kuranto::g_app.tables.prefectures[0].name);
  EXPECT_STREQ("東京都", kuranto::g_app.tables.prefectures[1].name);
  // The build dialogs are gone and the mode button has the focus again.
  EXPECT_EQ(c().radioNumber, GetFocus());
}

TEST_F(ShellTest, FreshDataBuildsOnlyWhatIsMissing) {
  WriteSampleFiles();
  const std::string date = datafiles::FileDate(dir_.File("Ken_all.csv"));
  const struct {
    const char* missing;  // nullptr: every index file is there
    std::vector<const char*> rebuilt;
  } cases[] = {
      {nullptr, {}},
      {"h_oldn.dat", {"h_newn.dat", "h_oldn.dat"}},
      {"shilist.txt", {"shilist.txt"}},
      {"h_ken.dat", {"h_ken.dat"}},
  };
  const char* const indexFiles[] = {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"};
  for (const auto& item : cases) {
    for (const char* name : indexFiles) dir_.Write(name, "old");
    if (item.missing != nullptr) DeleteFileA(dir_.File(item.missing).c_str());
    Start(date);
    for (const char* name : indexFiles) {
      bool rebuilt = false;
      for (const char* r : item.rebuilt) rebuilt = rebuilt || std::string(r) == name;
      EXPECT_EQ(rebuilt, dir_.Read(name) != "old") << (item.missing ? item.missing : "none") << ": " << name;
    }
    DestroyWindow(window_);
    shell_test::Pump();
  }
}

TEST_F(ShellTest, StaleDateRebuildsEveryIndexFile) {
  WriteSampleFiles();
  const char* const indexFiles[] = {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"};
  for (const char* name : indexFiles) dir_.Write(name, "old");
  Start("01/01/1999");
  for (const char* name : indexFiles) EXPECT_NE("old", dir_.Read(name)) << name;
  EXPECT_EQ(datafiles::FileDate(dir_.File("Ken_all.csv")), kuranto::g_app.settings.currentDate);
}

TEST_F(ShellTest, BuildThatCannotWriteLeavesTheOldFile) {
  WriteSampleFiles();
  dir_.Write("shilist.txt", "old");
  // The replacing write goes through "<name>.tmp"; a directory there blocks it.
  ASSERT_TRUE(CreateDirectoryA(dir_.File("shilist.txt.tmp").c_str(), nullptr));
  Start();
  EXPECT_EQ("old", dir_.Read("shilist.txt"));
  EXPECT_EQ(2000u, dir_.Read("h_newn.dat").size());
  DestroyWindow(window_);
  shell_test::Pump();
  RemoveDirectoryA(dir_.File("shilist.txt.tmp").c_str());
}

TEST_F(ShellTest, StartsOnTheAddressPageInNumberMode) {
  WriteSampleFiles();
  StartFresh();
  EXPECT_EQ("クラント", shell_test::TextOf(window_));
  EXPECT_TRUE(IsWindowVisible(c().addressList));
  EXPECT_FALSE(IsWindowVisible(c().officeList));
  EXPECT_FALSE(IsWindowVisible(c().conditionList));
  EXPECT_FALSE(IsWindowVisible(c().recordList));
  HWND header = reinterpret_cast<HWND>(SendMessageA(c().addressList, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(9, static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)));
  EXPECT_EQ("あいまい", shell_test::TextOf(c().radioFuzzy));
  EXPECT_EQ(BST_CHECKED, SendMessageA(c().radioNumber, BM_GETCHECK, 0, 0));
  EXPECT_EQ(c().radioNumber, GetFocus());

  EXPECT_TRUE(IsWindowEnabled(c().numberKind));
  EXPECT_TRUE(IsWindowEnabled(c().number));
  EXPECT_FALSE(IsWindowEnabled(c().areaPlace));
  EXPECT_FALSE(IsWindowEnabled(c().prefecture));
  EXPECT_FALSE(IsWindowEnabled(c().city));
  EXPECT_FALSE(IsWindowEnabled(c().town));
  EXPECT_FALSE(IsWindowEnabled(c().fuzzy));
  EXPECT_FALSE(IsWindowEnabled(c().charWidth));

  EXPECT_EQ("旧番号", shell_test::TextOf(c().numberKind));
  EXPECT_EQ("全角", shell_test::TextOf(c().charWidth));
  EXPECT_EQ("北海道", shell_test::TextOf(c().prefecture));
}

TEST_F(ShellTest, FixedListsHoldTheirEntriesInOrder) {
  WriteSampleFiles();
  StartFresh();
  const std::vector<std::string> kinds = {"旧番号", "新番号", "市区町村ｺｰﾄﾞ", "市外局番"};
  EXPECT_EQ(kinds, shell_test::ComboItems(c().numberKind));
  const std::vector<std::string> widths = {"全角", "半角"};
  EXPECT_EQ(widths, shell_test::ComboItems(c().charWidth));
  const std::vector<std::string> prefectures = shell_test::ComboItems(c().prefecture);
  ASSERT_EQ(47u, prefectures.size());
  EXPECT_EQ("北海道", prefectures.front());
  EXPECT_EQ("東京都", prefectures[12]);
  EXPECT_EQ("沖縄県", prefectures.back());
  EXPECT_EQ(3, static_cast<int>(SendMessageA(c().tab, TCM_GETITEMCOUNT, 0, 0)));
}

TEST_F(ShellTest, ControlsSitWhereTheFormPutsThem) {
  WriteSampleFiles();
  StartFresh();
  struct Case {
    HWND control;
    RECT expected;
  };
  const Case cases[] = {
      {c().number, {180, 40, 260, 60}},      {c().areaPlace, {270, 40, 440, 0}}, {c().search, {470, 30, 560, 50}},
      {c().clip, {470, 120, 560, 140}},      {c().tab, {10, 10, 460, 140}},      {c().townLabel, {306, 76, 336, 96}},
  };
  for (const Case& item : cases) {
    RECT r;
    GetWindowRect(item.control, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(item.expected.left, r.left);
    EXPECT_EQ(item.expected.top, r.top);
    EXPECT_EQ(item.expected.right, r.right);
    if (item.expected.bottom != 0) {
      EXPECT_EQ(item.expected.bottom, r.bottom);
    }
  }
}

TEST_F(ShellTest, LowerAreaFollowsTheWindowSize) {
  WriteSampleFiles();
  StartFresh();
  SetWindowPos(window_, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  shell_test::Pump();
  RECT client;
  GetClientRect(window_, &client);
  RECT list;
  GetWindowRect(c().addressList, &list);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&list), 2);
  EXPECT_EQ(190, list.top);
  EXPECT_EQ(client.right, list.right - list.left);
  EXPECT_EQ(client.bottom - 210, list.bottom - list.top);
  RECT display;
  GetWindowRect(c().display, &display);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&display), 2);
  EXPECT_EQ(143, display.top);
  EXPECT_EQ(44, display.bottom - display.top);
}

TEST_F(ShellTest, DefaultFontSizeIsSmallWithItsRadioMark) {
  WriteSampleFiles();
  StartFresh();
  EXPECT_EQ(3, kuranto::g_app.settings.fontSizeIndex);
  HMENU menu = GetMenu(window_);
  EXPECT_TRUE(GetMenuState(menu, IDM_FONT_SMALL, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(menu, IDM_FONT_LARGEST, MF_BYCOMMAND) & MF_CHECKED);
  LOGFONTA font = {};
  GetObjectA(kuranto::g_app.listFont, sizeof font, &font);
  EXPECT_EQ(14, font.lfHeight);
}

// Starts with a restored font-size index and search mode.
class RestoredSettingsTest : public ShellTest {
 protected:
  void BeforeCreate() override {
    SetSettingNumber("Setting", "FontType", static_cast<DWORD>(fontSizeIndex_));
    SetSettingNumber("Size", "radio", static_cast<DWORD>(searchMode_));
  }
  void StartWith(int fontSizeIndex, int searchMode) {
    fontSizeIndex_ = fontSizeIndex;
    searchMode_ = searchMode;
    WriteSampleFiles();
    StartFresh();
  }
  int fontSizeIndex_ = 3;
  int searchMode_ = 0;
};

TEST_F(RestoredSettingsTest, LargestFontGivesTwentyPixelsAndItsRadioMark) {
  StartWith(0, 0);
  LOGFONTA font = {};
  GetObjectA(kuranto::g_app.listFont, sizeof font, &font);
  EXPECT_EQ(20, font.lfHeight);
  EXPECT_TRUE(GetMenuState(GetMenu(window_), IDM_FONT_LARGEST, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(RestoredSettingsTest, FontSizeIndexOutsideTheTableStartsAsSmall) {
  StartWith(9, 0);
  EXPECT_EQ(3, kuranto::g_app.settings.fontSizeIndex);
  LOGFONTA font = {};
  GetObjectA(kuranto::g_app.listFont, sizeof font, &font);
  EXPECT_EQ(14, font.lfHeight);
  EXPECT_TRUE(GetMenuState(GetMenu(window_), IDM_FONT_SMALL, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(RestoredSettingsTest, LocationModeIsCheckedEnabledAndFocused) {
  StartWith(3, 1);
  EXPECT_EQ(BST_CHECKED, SendMessageA(c().radioPlace, BM_GETCHECK, 0, 0));
  EXPECT_EQ(c().radioPlace, GetFocus());
  EXPECT_TRUE(IsWindowEnabled(c().prefecture));
  EXPECT_TRUE(IsWindowEnabled(c().city));
  EXPECT_TRUE(IsWindowEnabled(c().town));
  EXPECT_FALSE(IsWindowEnabled(c().number));
  EXPECT_FALSE(IsWindowEnabled(c().fuzzy));
}

TEST_F(RestoredSettingsTest, UnknownModeChecksNoButtonAndSearchFindsNothing) {
  StartWith(3, 7);
  for (HWND radio : {c().radioNumber, c().radioPlace, c().radioFuzzy}) {
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(radio, BM_GETCHECK, 0, 0));
  }
  Command(IDC_SEARCH);
  EXPECT_EQ("0 件見つかりました。", shell_test::StatusText());
  EXPECT_EQ(0, shell_test::ItemCount(c().addressList));
}

TEST(ShellFontSizes, IndexOutsideTheTableFallsBackToTheDefault) {
  const struct {
    int index, expected;
  } cases[] = {{0, 0}, {4, 4}, {3, 3}, {-1, 3}, {5, 3}, {1000, 3}};
  for (const auto& item : cases) EXPECT_EQ(item.expected, kuranto::ValidFontSizeIndex(item.index)) << item.index;
  EXPECT_EQ(20, kuranto::FontSizeTable[0]);
  EXPECT_EQ(12, kuranto::FontSizeTable[4]);
}

// The resource texts reach the program as cp932: windres must have read the
// .rc in its code page.
TEST(ShellResources, MenuTextsAreCp932AsWritten) {
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), "MENU1");
  ASSERT_NE(nullptr, menu);
  const struct {
    UINT command;
    const char* text;
  } cases[] = {
      {IDM_NEW_CONDITION, "新しい条件(&W)"},
      {IDM_COPY, "コピー(&C)"},
      {IDM_ADDRESS_TO_CODE, "住所から郵便番号(&A)..."},
      {IDM_CSV_ADD_CODES, "CSV ファイルに郵便番号を付ける(&B)..."},
      {IDM_ADDRESS_LIST_TO_CODES, "住所の一覧から郵便番号(&L)..."},
      {IDM_PRINT_LABELS, "宛名ラベルの印刷(&T)..."},
      {IDM_EXIT, "アプリケーションの終了(&X)"},
      {IDM_FONT_LARGEST, "文字サイズ　最大(&G)"},
      {IDM_FONT_SMALLEST, "文字サイズ　最小(&A)"},
      {IDM_SETTINGS, "設定(&S)      "},
      {IDM_POSTAL_URL, "ゆうびんホームページ"},
      {IDM_JIGYOSYO_URL, "事業所データのダウンロード(&J)"},
      {IDM_ABOUT, "バージョン情報(&V)"},
  };
  for (const auto& item : cases) {
    char text[128] = {};
    GetMenuStringA(menu, item.command, text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(std::string(item.text), text) << item.command;
  }
  const char* popups[] = {"ファイル(&F)", "表示(&V)", "オプション(&O)", "ヘルプ(&H)"};
  ASSERT_EQ(4, GetMenuItemCount(menu));
  for (int i = 0; i < 4; ++i) {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    EXPECT_EQ(std::string(popups[i]), text);
  }
  EXPECT_EQ(11, GetMenuItemCount(GetSubMenu(menu, 0)));
  EXPECT_EQ(7, GetMenuItemCount(GetSubMenu(menu, 3)));
  DestroyMenu(menu);
}

TEST(ShellResources, EnterIsTheOnlyAccelerator) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), "IDR_ACCELERATOR1");
  ASSERT_NE(nullptr, table);
  ACCEL entries[4] = {};
  ASSERT_EQ(1, CopyAcceleratorTableA(table, entries, 4));
  EXPECT_EQ(VK_RETURN, entries[0].key);
  EXPECT_EQ(IDM_ENTER, entries[0].cmd);
  EXPECT_EQ(FVIRTKEY, entries[0].fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT));
  DestroyAcceleratorTable(table);
}

TEST(ShellResources, MenuImagesAreTwelveSixteenPixelIcons) {
  HIMAGELIST images = ImageList_LoadImageA(GetModuleHandleA(nullptr), "BITMAP2", 16, 1, RGB(192, 192, 192),
                                           IMAGE_BITMAP, 0);
  ASSERT_NE(nullptr, images);
  EXPECT_EQ(12, ImageList_GetImageCount(images));
  ImageList_Destroy(images);
  EXPECT_NE(nullptr, LoadIconA(GetModuleHandleA(nullptr), "ICON1"));
  EXPECT_NE(nullptr, FindResourceA(GetModuleHandleA(nullptr), "IDD_DIALOG5", MAKEINTRESOURCEA(5)));
}

TEST_F(ShellTest, OwnerDrawnMenuItemsTakeTheirSlotTexts) {
  WriteSampleFiles();
  StartFresh();
  EXPECT_STREQ("新しい条件(&W)", kuranto::g_app.menuSlots.text[0]);
  EXPECT_STREQ("プロパティ(&P)", kuranto::g_app.menuSlots.text[1]);
  EXPECT_STREQ("設定(&S)      ", kuranto::g_app.menuSlots.text[8]);
  EXPECT_STREQ("記録する(&R)", kuranto::g_app.menuSlots.text[10]);
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_DATA;
  ASSERT_TRUE(GetMenuItemInfoA(GetMenu(window_), IDM_COPY, FALSE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  EXPECT_EQ(9u, info.dwItemData);
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(GetMenu(window_), IDM_FONT_SMALL, FALSE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
}

}  // namespace
