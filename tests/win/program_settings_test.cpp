// kuranto.exe's settings across restarts, driven from outside as a user
// would: the first start without settings, every setting kept through an
// exit and a new start (and no index build when the data is unchanged), and
// the save at a session end. The program keeps its settings under the one
// key HKEY_CURRENT_USER\Software\Ostrel\Kuranto of the tests' own Wine
// prefix; each test starts and ends without it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/win_temp_dir.h"
#include "tests/driver/driver.h"

namespace {

constexpr DWORD kStartMs = 60000;
constexpr DWORD kWaitMs = 30000;
const char kRegistryKey[] = "Software\\Ostrel\\Kuranto";
// Row heights of the list font sizes 最大 and 小 (the default).
constexpr int kLargestRows = 26;
constexpr int kSmallRows = 20;

#ifdef KURANTO_EXE
const char kProgram[] = KURANTO_EXE;
#else
const char kProgram[] = "";
#endif

const char* const kIndexFiles[] = {"shilist.txt", "h_ken.dat", "h_newn.dat", "h_oldn.dat"};

std::vector<int> ColumnWidths(HWND main, int id) {
  HWND list = driver::Control(main, id);
  const int count = id == IDC_ADDRESS_LIST ? 9 : 8;
  std::vector<int> widths;
  for (int i = 0; i < count; ++i)
    widths.push_back(static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0)));
  return widths;
}

// The width of `text` in the lists' font at the default size (小: 14 pixels).
int ListTextWidth(const std::string& text) {
  LOGFONTA face = {};
  face.lfHeight = 14;
  face.lfWeight = 1;
  face.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(face.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&face);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return size.cx;
}

// The widest code of `digits` digits: each digit tried.
int WidestCodeWidth(size_t digits) {
  int widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit) widest = std::max(widest, ListTextWidth(std::string(digits, digit)));
  return widest;
}

RECT WindowRect(HWND main) {
  RECT r = {};
  GetWindowRect(main, &r);
  return r;
}

// A value under HKEY_CURRENT_USER\Software\Ostrel\Kuranto\<subkey>: the
// number, or -1 when it is missing.
long long StoredNumber(const char* subkey, const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  const std::string path = std::string(kRegistryKey) + "\\" + subkey;
  if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return -1;
  return value;
}

std::string StoredText(const char* subkey, const char* name) {
  char text[256] = {};
  DWORD size = sizeof text - 1;
  const std::string path = std::string(kRegistryKey) + "\\" + subkey;
  if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
    return "<missing>";
  return text;
}

class ProgramSettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!kProgram[0] || GetFileAttributesA(kProgram) == INVALID_FILE_ATTRIBUTES)
      GTEST_SKIP() << "kuranto.exe is not built; skipping the settings driver tests";
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);
    ASSERT_TRUE(CopyFileA(kProgram, Path("kuranto.exe").c_str(), FALSE));
    // Copies keep the address file's date, which the start-up check compares.
    const std::string sample = KURANTO_SAMPLE_DATA, data = KURANTO_DATA_DIR;
    ASSERT_TRUE(CopyFileA((sample + "/Ken_all.csv").c_str(), Path("Ken_all.csv").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((sample + "/Jigyosyo.csv").c_str(), Path("Jigyosyo.csv").c_str(), FALSE));
    for (const char* name : {"kuranto.ini", "telnum.dat"})
      CopyFileA((data + "/" + name).c_str(), Path(name).c_str(), FALSE);
  }

  void TearDown() override {
    if (program_) program_->Kill();
    program_.reset();
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);
  }

  std::string Path(const std::string& name) const { return dir_.File(name); }

  HWND Start() {
    program_ = std::make_unique<driver::Program>();
    if (!program_->Start(Path("kuranto.exe"), dir_.path())) return nullptr;
    return driver::WaitMainWindow(program_->Id(), kStartMs);
  }

  void CloseAndExpectExit(HWND main) {
    ASSERT_TRUE(driver::CloseMainWindow(main, kWaitMs));
    DWORD code = 1;
    ASSERT_TRUE(program_->WaitExit(kWaitMs, &code));
    EXPECT_EQ(0u, code);
  }

  // Searches new number 1070052 (one row) and copies the row: the display
  // box's text.
  std::string CopiedRow(HWND main) {
    driver::ClickButton(main, IDC_RADIO_NUMBER, kWaitMs);
    driver::SelectComboIndex(main, IDC_NUMBER_KIND, 1);
    driver::SetControlText(main, IDC_NUMBER, "1070052");
    driver::ClickButton(main, IDC_SEARCH, kWaitMs);
    if (!driver::SelectListRow(main, IDC_ADDRESS_LIST, 0)) return "<no row>";
    SendMessageA(main, WM_COMMAND, IDM_COPY, 0);
    return driver::ControlText(main, IDC_DISPLAY);
  }

  std::vector<FILETIME> IndexFileTimes() const {
    std::vector<FILETIME> times;
    for (const char* name : kIndexFiles) {
      WIN32_FILE_ATTRIBUTE_DATA data = {};
      GetFileAttributesExA(Path(name).c_str(), GetFileExInfoStandard, &data);
      times.push_back(data.ftLastWriteTime);
    }
    return times;
  }

  test_lines::TempDir dir_;
  std::unique_ptr<driver::Program> program_;
};

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

TEST_F(ProgramSettingsTest, FirstStartWithoutSettingsUsesAndSavesTheDefaults) {
  HWND main = Start();
  ASSERT_NE(nullptr, main);
  const RECT r = WindowRect(main);
  EXPECT_EQ(100, r.left);
  EXPECT_EQ(100, r.top);
  EXPECT_EQ(600, r.right - r.left);
  EXPECT_EQ(400, r.bottom - r.top);
  // Codes and a few kana fit their columns (a cell's text is drawn 2
  // pixels inside each side); the others keep the program's widths.
  struct Fit {
    int list;
    std::vector<int> widths;  // -1: as its text needs
    std::vector<int> needs;   // the text widths that must fit, by column
  };
  const int code = WidestCodeWidth(7), old = WidestCodeWidth(5), kana = ListTextWidth("ﾄｳｷｮｳﾄ");
  const Fit fits[] = {
      {IDC_ADDRESS_LIST, {-1, 60, -1, 120, -1, 130, -1, 60, -1}, {code, 0, kana, 0, kana, 0, kana, 0, old}},
      {IDC_OFFICE_LIST, {-1, 80, -1, 60, 80, 120, 60, -1}, {code, 0, kana, 0, 0, 0, 0, old}},
  };
  for (const Fit& fit : fits) {
    const std::vector<int> widths = ColumnWidths(main, fit.list);
    for (size_t column = 0; column < widths.size(); ++column) {
      SCOPED_TRACE(column);
      if (fit.widths[column] > 0) {
        EXPECT_EQ(fit.widths[column], widths[column]);
      } else {
        EXPECT_GE(widths[column], fit.needs[column] + 4);
        EXPECT_GE(widths[column], column == 0 ? 60 : column == 8 || column == 7 ? 50 : 20);
      }
    }
  }
  EXPECT_TRUE(driver::IsChecked(main, IDC_RADIO_NUMBER));
  EXPECT_FALSE(driver::IsChecked(main, IDC_CHECK_IME));
  EXPECT_EQ("1070052 東京都港区赤坂", CopiedRow(main));
  EXPECT_EQ(kSmallRows, driver::RowHeight(main, IDC_ADDRESS_LIST));
  CloseAndExpectExit(main);

  EXPECT_EQ("N KSM", StoredText("Setting", "Line1"));
  EXPECT_EQ("N KSM G", StoredText("Setting", "Line2"));
  EXPECT_EQ(3, StoredNumber("Setting", "FontType"));
  EXPECT_EQ(0, StoredNumber("Setting", "Bar"));
  EXPECT_EQ(0, StoredNumber("Setting", "Zenkaku"));
  EXPECT_EQ(0, StoredNumber("Size", "radio"));
  EXPECT_EQ(100, StoredNumber("Size", "x"));
  EXPECT_EQ(400, StoredNumber("Size", "height"));
  EXPECT_EQ(130, StoredNumber("Width", "Column5"));
  EXPECT_EQ(80, StoredNumber("Width2", "Column4"));
  EXPECT_EQ("北海道", StoredText("Setting", "ken"));
  // The address file's date, month/day/year, as the next start compares it.
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExA(Path("Ken_all.csv").c_str(), GetFileExInfoStandard, &data);
  FILETIME local = {};
  SYSTEMTIME date = {};
  FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
  FileTimeToSystemTime(&local, &date);
  char expected[64];
  std::snprintf(expected, sizeof expected, "%.2d/%.2d/%d", date.wMonth, date.wDay, date.wYear);
  EXPECT_EQ(expected, StoredText("Setting", "Time"));
}

TEST_F(ProgramSettingsTest, EverySettingSurvivesARestartWithoutAnIndexBuild) {
  HWND main = Start();
  ASSERT_NE(nullptr, main);
  SetWindowPos(main, nullptr, 120, 130, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(driver::Control(main, IDC_ADDRESS_LIST), LVM_SETCOLUMNWIDTH, 3, 150);
  // Narrower than its code: the user's choice all the same.
  SendMessageA(driver::Control(main, IDC_ADDRESS_LIST), LVM_SETCOLUMNWIDTH, 0, 40);

  SendMessageA(driver::Control(main, IDC_OFFICE_LIST), LVM_SETCOLUMNWIDTH, 1, 95);
  ASSERT_TRUE(driver::ClickButton(main, IDC_CHECK_IME, kWaitMs));
  SendMessageA(main, WM_COMMAND, IDM_FONT_LARGEST, 0);
  ASSERT_TRUE(driver::SelectComboIndex(main, IDC_NUMBER_KIND, 2));
  ASSERT_TRUE(driver::SelectComboIndex(main, IDC_CHAR_WIDTH, 1));
  ASSERT_TRUE(driver::SelectComboText(main, IDC_PREFECTURE, "東京都"));
  ASSERT_TRUE(driver::ClickButton(main, IDC_RADIO_FUZZY, kWaitMs));
  HWND sheet = driver::OpenSettingsSheet(main, kWaitMs);
  ASSERT_NE(nullptr, sheet);
  HWND page = driver::ShowSheetPage(sheet, 0);
  driver::ClickButton(page, IDC_SETTING_HYPHEN, kWaitMs);
  driver::ClickButton(page, IDC_SETTING_HIRAGANA, kWaitMs);
  page = driver::ShowSheetPage(sheet, 1);
  driver::SelectComboIndex(page, IDC_ADDRESS_PRESET, 2);  // CSV
  driver::ClickButton(page, IDC_ADDRESS_PRESET_SELECT, kWaitMs);
  driver::SetControlText(driver::ShowSheetPage(sheet, 2), IDC_OFFICE_TEMPLATE, "G/N");
  ASSERT_TRUE(driver::CloseSettingsSheet(sheet, true, kWaitMs));
  CloseAndExpectExit(main);
  const std::vector<FILETIME> built = IndexFileTimes();
  const auto stored = [](const char* subkey, int count) {
    std::vector<int> widths;
    for (int i = 0; i < count; ++i)
      widths.push_back(static_cast<int>(StoredNumber(subkey, ("Column" + std::to_string(i)).c_str())));
    return widths;
  };
  const std::vector<int> addressWidths = stored("Width", 9), officeWidths = stored("Width2", 8);

  main = Start();
  ASSERT_NE(nullptr, main);
  const RECT r = WindowRect(main);
  EXPECT_EQ(120, r.left);
  EXPECT_EQ(130, r.top);
  EXPECT_EQ(700, r.right - r.left);
  EXPECT_EQ(500, r.bottom - r.top);
  EXPECT_EQ(addressWidths, ColumnWidths(main, IDC_ADDRESS_LIST));
  EXPECT_EQ(40, ColumnWidths(main, IDC_ADDRESS_LIST)[0]);
  EXPECT_EQ(150, ColumnWidths(main, IDC_ADDRESS_LIST)[3]);
  EXPECT_EQ(officeWidths, ColumnWidths(main, IDC_OFFICE_LIST));
  EXPECT_EQ(95, ColumnWidths(main, IDC_OFFICE_LIST)[1]);
  EXPECT_TRUE(driver::IsChecked(main, IDC_RADIO_FUZZY));
  EXPECT_FALSE(driver::IsChecked(main, IDC_RADIO_NUMBER));
  EXPECT_TRUE(driver::IsEnabled(main, IDC_FUZZY));
  EXPECT_TRUE(driver::IsChecked(main, IDC_CHECK_IME));
  EXPECT_EQ("市区町村ｺｰﾄﾞ", driver::ControlText(main, IDC_NUMBER_KIND));
  EXPECT_EQ("半角", driver::ControlText(main, IDC_CHAR_WIDTH));
  EXPECT_EQ("東京都", driver::ControlText(main, IDC_PREFECTURE));
  sheet = driver::OpenSettingsSheet(main, kWaitMs);
  ASSERT_NE(nullptr, sheet);
  page = driver::ShowSheetPage(sheet, 0);
  EXPECT_TRUE(driver::IsChecked(page, IDC_SETTING_HYPHEN));
  EXPECT_TRUE(driver::IsChecked(page, IDC_SETTING_HIRAGANA));
  EXPECT_EQ("N,KSM", driver::ControlText(driver::ShowSheetPage(sheet, 1), IDC_ADDRESS_TEMPLATE));
  EXPECT_EQ("G/N", driver::ControlText(driver::ShowSheetPage(sheet, 2), IDC_OFFICE_TEMPLATE));
  ASSERT_TRUE(driver::CloseSettingsSheet(sheet, false, kWaitMs));
  EXPECT_EQ("107-0052,東京都港区赤坂", CopiedRow(main));
  EXPECT_EQ(kLargestRows, driver::RowHeight(main, IDC_ADDRESS_LIST));
  CloseAndExpectExit(main);
  const std::vector<FILETIME> kept = IndexFileTimes();
  for (size_t i = 0; i < kept.size(); ++i)
    EXPECT_TRUE(SameTime(built[i], kept[i])) << kIndexFiles[i] << " was rebuilt although the data is unchanged";

  // Only the old-number range file missing: only the number ranges are built.
  ASSERT_TRUE(DeleteFileA(Path("h_oldn.dat").c_str()));
  main = Start();
  ASSERT_NE(nullptr, main);
  CloseAndExpectExit(main);
  const std::vector<FILETIME> after = IndexFileTimes();
  const bool rebuilt[] = {false, false, true, true};
  for (size_t i = 0; i < after.size(); ++i)
    EXPECT_EQ(rebuilt[i], !SameTime(kept[i], after[i])) << kIndexFiles[i];
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("h_oldn.dat").c_str()));
}

// The check boxes of the dialogs that find codes, and the place the user
// gave 住所から郵便番号, kept when a dialog closes and across a restart.
TEST_F(ProgramSettingsTest, DialogChoicesAndPlaceSurviveARestart) {
  dir_.Write("list.csv", "名前,住所\r\n本店,東京都港区赤坂1-2-3\r\n");
  struct Dialog {
    int command;
    const char* caption;
  };
  const Dialog list = {IDM_ADDRESS_LIST_TO_CODES, "住所の一覧から郵便番号"};
  const Dialog one = {IDM_ADDRESS_TO_CODE, "住所から郵便番号"};
  // The CSV command's columns dialog opens after its file is chosen.
  const auto open = [this](HWND main, const Dialog& d) -> HWND {
    PostMessageA(main, WM_COMMAND, d.command, 0);
    if (d.command != IDM_CSV_ADD_CODES) return driver::WaitMessageBox(program_->Id(), d.caption, kWaitMs);
    HWND chooser = driver::WaitMessageBox(program_->Id(), "郵便番号（または住所）を付ける CSV ファイルを開く", kWaitMs);
    if (chooser == nullptr || !driver::SetControlText(chooser, 1148, Path("list.csv"))) return nullptr;
    driver::PressDialogButton(chooser, IDOK);
    return driver::WaitMessageBox(program_->Id(), "CSV ファイルに郵便番号を付ける", kWaitMs);
  };
  const auto close = [](HWND dialog) {
    driver::PressDialogButton(dialog, IDCANCEL);
    for (const DWORD start = GetTickCount(); IsWindow(dialog) && GetTickCount() - start < kWaitMs;) Sleep(50);
    EXPECT_FALSE(IsWindow(dialog));
  };
  const Dialog csv = {IDM_CSV_ADD_CODES, "CSV ファイルに郵便番号を付ける"};
  const struct Choice {
    Dialog dialog;
    int box;
  } choices[] = {{list, IDC_LIST_COPY_BARCODE}, {list, IDC_LIST_COPY_PARTS}, {list, IDC_LIST_COPY_DUPLICATES},
                 {csv, IDC_CSV_BARCODE},       {csv, IDC_CSV_SPLIT}};

  HWND main = Start();
  ASSERT_NE(nullptr, main);
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.box);
    HWND dialog = open(main, c.dialog);
    ASSERT_NE(nullptr, dialog);
    EXPECT_FALSE(driver::IsChecked(dialog, c.box));
    if (c.dialog.command == IDM_CSV_ADD_CODES) {
      // Taken when the run is: OK, the report answered.
      SendMessageA(driver::Control(dialog, c.box), BM_SETCHECK, BST_CHECKED, 0);
      driver::PressDialogButton(dialog, IDOK);
      HWND report = driver::WaitMessageBox(program_->Id(), "報告", kWaitMs);
      ASSERT_NE(nullptr, report);
      driver::PressDialogButton(report);
      ASSERT_TRUE(driver::WaitIdle(main, kWaitMs));
      ASSERT_TRUE(DeleteFileA(Path("list_郵便番号.csv").c_str()));
    } else {
      ASSERT_TRUE(driver::ClickButton(dialog, c.box, kWaitMs));
      close(dialog);
    }
    dialog = open(main, c.dialog);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(driver::IsChecked(dialog, c.box)) << "forgotten when the dialog closed";
    close(dialog);
  }
  // Put somewhere by the user, closed, opened there again.
  HWND dialog = open(main, one);
  ASSERT_NE(nullptr, dialog);
  SetWindowPos(dialog, nullptr, 40, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  close(dialog);
  dialog = open(main, one);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(40, WindowRect(dialog).left);
  EXPECT_EQ(520, WindowRect(dialog).top);
  close(dialog);
  CloseAndExpectExit(main);
  for (const char* name : {"ListCopyBarcode", "ListCopyParts", "ListCopyDuplicates", "CsvBarcode", "CsvSplit"})
    EXPECT_EQ(1, StoredNumber("Setting", name)) << name;

  main = Start();
  ASSERT_NE(nullptr, main);
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.box);
    dialog = open(main, c.dialog);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(driver::IsChecked(dialog, c.box)) << "forgotten at the restart";
    close(dialog);
  }
  dialog = open(main, one);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(40, WindowRect(dialog).left);
  EXPECT_EQ(520, WindowRect(dialog).top);
  close(dialog);
  CloseAndExpectExit(main);
}

TEST_F(ProgramSettingsTest, SessionEndSavesWhatAnExitWould) {
  HWND main = Start();
  ASSERT_NE(nullptr, main);
  SendMessageA(main, WM_COMMAND, IDM_FONT_SMALLEST, 0);
  ASSERT_TRUE(driver::ClickButton(main, IDC_CHECK_IME, kWaitMs));
  ASSERT_EQ(-1, StoredNumber("Setting", "FontType")) << "saved before the session ended";
  ASSERT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("kiroku.txt").c_str()));

  // As the system does: ask, announce the end, then end the process.
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kWaitMs, &answer));
  EXPECT_NE(0u, answer) << "the program refused the session end";
  ASSERT_TRUE(SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kWaitMs, &answer));
  program_->Kill();

  EXPECT_EQ(4, StoredNumber("Setting", "FontType"));
  EXPECT_EQ(1, StoredNumber("Size", "Page1Check1"));
  EXPECT_EQ("N KSM", StoredText("Setting", "Line1"));
  EXPECT_NE("<missing>", StoredText("Setting", "Time"));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("d_joken.dat").c_str()));
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("kiroku.txt").c_str()));
}

}  // namespace
