// kuranto.exe over copies of the real published files, driven from outside
// through its File menu as a user would: 住所から郵便番号 answering in the
// address list, CSV ファイルに郵便番号を付ける writing the query tool's
// bytes, leaving nothing behind when cancelled or refused, and 住所の一覧から
// 郵便番号 copying back the query tool's codes for a pasted column; and from
// codes to addresses, a code column filled in and pasted codes answered. One
// program serves every test: its first start builds the index files of the
// whole country. Texts are cp932.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/common/csv_lines.h"
#include "tests/common/win_temp_dir.h"
#include "tests/driver/driver.h"

namespace {

constexpr DWORD kStartMs = 180000;  // the index build of the real address file
constexpr DWORD kWaitMs = 60000;    // a first search loads the resolver's book
constexpr DWORD kExitMs = 20000;
constexpr DWORD kLongRunMs = 170000;  // some 120,000 rows of Latin-letter buildings
constexpr int kOpenFileNameBox = 1148;  // cmb13 of the common open dialog
const char kRegistryKey[] = "Software\\Ostrel\\Kuranto";

#if defined(KURANTO_EXE) && defined(KURANTO_QUERY_EXE)
const char kProgram[] = KURANTO_EXE;
const char kQueryTool[] = KURANTO_QUERY_EXE;
#else
const char kProgram[] = "";
const char kQueryTool[] = "";
#endif
#ifdef KURANTO_LATIN_LIST
const char kLatinList[] = KURANTO_LATIN_LIST;
#else
const char kLatinList[] = "";
#endif

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> FilesIn(const test_lines::TempDir& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found = {};
  HANDLE search = FindFirstFileA(dir.File("*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// A report's text with its path joined again: the lines it was broken
// into for the box end at separators.
std::string Unbroken(const std::string& text) {
  std::string joined;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && i > 0 && (text[i - 1] == '\\' || text[i - 1] == '/')) continue;
    joined += text[i];
  }
  return joined;
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

// An office's address put together from its prefecture, city, town and lot.
std::string OfficeAddress(const std::vector<std::string>& c) { return c[3] + c[4] + c[5] + c[6]; }

// Every office of the real file as a row "NAME","ADDRESS",CODE (cp932, CR LF).
std::vector<std::string> OfficeRows(const std::string& jigyosyo) {
  std::vector<std::string> rows;
  for (const std::string& line : test_lines::SplitCrLfLines(jigyosyo)) {
    const std::vector<std::string> c = test_lines::SplitColumns(line);
    if (c.size() > 7) rows.push_back("\"" + c[2] + "\",\"" + OfficeAddress(c) + "\"," + c[7] + "\r\n");
  }
  return rows;
}

std::vector<std::string> OfficeAddresses(const std::string& jigyosyo) {
  std::vector<std::string> addresses;
  for (const std::string& line : test_lines::SplitCrLfLines(jigyosyo)) {
    const std::vector<std::string> c = test_lines::SplitColumns(line);
    if (c.size() > 7) addresses.push_back(OfficeAddress(c));
  }
  return addresses;
}

// Runs a command line to its end, standard input and output from and to
// the handles given (null: none); its exit code, or -1 when it cannot start.
long RunCommand(std::string command, HANDLE input, HANDLE output) {
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (input != nullptr || output != nullptr) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<long>(code);
}

// A file opened for a child process's standard input or output.
class InheritedFile {
 public:
  InheritedFile(const std::string& path, bool write) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    handle_ = CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &inherit,
                          write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~InheritedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  InheritedFile(const InheritedFile&) = delete;
  InheritedFile& operator=(const InheritedFile&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// The clipboard's text in one format, as cp932 (CF_UNICODETEXT converted).
std::string ClipboardText(UINT format) {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE block = GetClipboardData(format)) {
    if (const void* bytes = GlobalLock(block)) {
      if (format == CF_UNICODETEXT) {
        const auto* wide = static_cast<const wchar_t*>(bytes);
        const int size = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        text.resize(static_cast<size_t>(size));
        WideCharToMultiByte(932, 0, wide, -1, &text[0], size, nullptr, nullptr);
        text.resize(text.empty() ? 0 : text.size() - 1);
      } else {
        text = static_cast<const char*>(bytes);
      }
      GlobalUnlock(block);
    }
  }
  CloseClipboard();
  return text;
}

class ProgramResolveTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string shared = KURANTO_SHARED_DATA;
    if (!kProgram[0] || !FileExists(kProgram) || !FileExists(kQueryTool)) {
      skip_ = "kuranto.exe or kuranto-query.exe is not built; skipping the resolve tests";
      return;
    }
    if (!FileExists(shared + "/KEN_ALL.CSV") || !FileExists(shared + "/JIGYOSYO.CSV")) {
      skip_ = "the published files are not in " + shared + "; skipping the resolve tests";
      return;
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);
    dir_ = new test_lines::TempDir;
    CopyFileA(kProgram, dir_->File("kuranto.exe").c_str(), FALSE);
    CopyFileA((shared + "/KEN_ALL.CSV").c_str(), dir_->File("Ken_all.csv").c_str(), FALSE);
    CopyFileA((shared + "/JIGYOSYO.CSV").c_str(), dir_->File("Jigyosyo.csv").c_str(), FALSE);
    offices_ = new std::vector<std::string>(OfficeRows(dir_->Read("Jigyosyo.csv")));
    officeAddresses_ = new std::vector<std::string>(OfficeAddresses(dir_->Read("Jigyosyo.csv")));
    program_ = new driver::Program;
    if (program_->Start(dir_->File("kuranto.exe"), dir_->path())) main_ = driver::WaitMainWindow(program_->Id(), kStartMs);
  }

  static void TearDownTestSuite() {
    if (main_ != nullptr) {
      EXPECT_TRUE(driver::CloseMainWindow(main_, kExitMs));
      EXPECT_TRUE(program_->WaitExit(kExitMs, nullptr)) << "the program did not end after its window closed";
    }
    if (program_ != nullptr) program_->Kill();
    delete program_;
    delete offices_;
    delete officeAddresses_;
    delete dir_;
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);
  }

  void SetUp() override {
    if (!skip_.empty()) GTEST_SKIP() << skip_;
    ASSERT_NE(main_, nullptr) << "kuranto.exe showed no main window";
  }

  // A dialog of the program with this caption, waited for.
  static HWND Dialog(const std::string& caption) { return driver::WaitMessageBox(program_->Id(), caption, kWaitMs); }

  // A row of the address list as the display box shows it once copied
  // (template "N KSM"). The rows have no text of their own: this selects it.
  static std::string RowText(int row) {
    driver::SelectListRow(main_, IDC_ADDRESS_LIST, row);
    Ask(main_, WM_COMMAND, IDM_COPY);
    return driver::ControlText(main_, IDC_DISPLAY);
  }

  // The menu command, `file` chosen in its open dialog.
  static bool ChooseCsvFile(const std::string& file) {
    PostMessageA(main_, WM_COMMAND, IDM_CSV_ADD_CODES, 0);
    HWND open = Dialog("郵便番号（または住所）を付ける CSV ファイルを開く");
    return open != nullptr && driver::SetControlText(open, kOpenFileNameBox, file) &&
           driver::PressDialogButton(open, IDOK);
  }

  // The query tool's command line up to its command: `kuranto-query --dir DIR`.
  static std::string QueryTool() {
    std::string dir = dir_->path();
    dir.pop_back();
    return std::string("\"") + kQueryTool + "\" --dir \"" + dir + "\"";
  }

  // The query tool's output for the same file and columns.
  static std::string QueryToolOutput(const std::string& file, bool header, bool split = false,
                                     bool barcode = false, bool duplicates = false) {
    const std::string out = dir_->File("query_tool.csv");
    // A header names column 1 名称: the dialog offers it as the name column.
    const std::string command = QueryTool() + " resolve --csv \"" + file + "\" --column 2 --code-column 3" +
                                (header ? " --header --name-column 1" : "") + (split ? " --split" : "") +
                                (barcode ? " --barcode" : "") + (duplicates ? " --duplicates" : "") + " --output \"" +
                                out + "\"";
    EXPECT_EQ(RunCommand(command, nullptr, nullptr), 0) << command;
    const std::string bytes = dir_->Read("query_tool.csv");
    DeleteFileA(out.c_str());
    return bytes;
  }

  // The query tool's `resolve` (or `lookup`) lines (cp932, line ends
  // dropped) for these addresses, one a line on its standard input.
  static std::vector<std::string> QueryToolLines(const std::vector<std::string>& addresses,
                                                 const char* command = "resolve", const std::string& flags = "") {
    std::string input;
    for (const std::string& address : addresses) input += address + "\r\n";
    dir_->Write("addresses.txt", input);
    {
      InheritedFile in(dir_->File("addresses.txt"), false), out(dir_->File("resolved.txt"), true);
      const std::string line = QueryTool() + " --cp932 " + command + flags;
      EXPECT_EQ(RunCommand(line, in.get(), out.get()), 0) << line;
    }
    std::vector<std::string> lines;
    const std::string bytes = dir_->Read("resolved.txt");
    for (size_t start = 0; start < bytes.size();) {
      const size_t end = bytes.find('\n', start);
      std::string line = bytes.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      start = end == std::string::npos ? bytes.size() : end + 1;
    }
    DeleteFileA(dir_->File("addresses.txt").c_str());
    DeleteFileA(dir_->File("resolved.txt").c_str());
    return lines;
  }

  // The 住所の一覧から郵便番号 dialog, opened from the File menu.
  static HWND OpenListDialog() {
    PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_LIST_TO_CODES, 0);
    return Dialog("住所の一覧から郵便番号");
  }

  // Pastes `text` into the dialog's empty box, as Ctrl+V does, and presses
  // 検索; false unless the search has begun.
  static bool PasteAndSearch(HWND dialog, const std::string& text) {
    return driver::SetControlText(dialog, IDC_LIST_ADDRESSES, "") &&
           driver::PasteText(dialog, IDC_LIST_ADDRESSES, text, kWaitMs) && driver::ClickButton(dialog, IDOK, kWaitMs);
  }

  // The same, and waits for the search to end; false when it has not in time.
  static bool SearchPasted(HWND dialog, const std::string& text) {
    if (!PasteAndSearch(dialog, text)) return false;
    for (const DWORD start = GetTickCount(); !driver::IsEnabled(dialog, IDOK); Sleep(50)) {
      if (GetTickCount() - start >= kWaitMs) return false;
    }
    return true;
  }

  static void CloseDialog(HWND dialog) {
    driver::PressDialogButton(dialog, IDCANCEL);
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && GetTickCount() - start < kWaitMs) Sleep(50);
    EXPECT_FALSE(IsWindow(dialog)) << "閉じる left the dialog open";
  }

  static std::string skip_;
  static test_lines::TempDir* dir_;
  static std::vector<std::string>* offices_;
  static std::vector<std::string>* officeAddresses_;
  static driver::Program* program_;
  static HWND main_;
};

std::string ProgramResolveTest::skip_;
test_lines::TempDir* ProgramResolveTest::dir_ = nullptr;
std::vector<std::string>* ProgramResolveTest::offices_ = nullptr;
std::vector<std::string>* ProgramResolveTest::officeAddresses_ = nullptr;
driver::Program* ProgramResolveTest::program_ = nullptr;
HWND ProgramResolveTest::main_ = nullptr;

// Whether the dialog's barcode control shows any bar, read from the screen.
bool BarsDrawn(HWND dialog) {
  RECT r = {};
  GetWindowRect(GetDlgItem(dialog, IDC_RESOLVE_BARCODE), &r);
  HDC screen = GetDC(nullptr);
  bool dark = false;
  for (LONG y = r.top; y < r.bottom && !dark; y += 2) {
    for (LONG x = r.left; x < r.right && !dark; ++x) dark = GetPixel(screen, x, y) == RGB(0, 0, 0);
  }
  ReleaseDC(nullptr, screen);
  return dark;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both = {};
  return IntersectRect(&both, &a, &b) != 0;
}

// Each answer shown in the dialog itself and in the address list, with
// nothing left of the answer before: the display box, the status bar, the
// rows, the barcode and its copy button.
TEST_F(ProgramResolveTest, AddressDialogAnswersInTheAddressList) {
  PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_TO_CODE, 0);
  HWND dialog = Dialog("住所から郵便番号");
  ASSERT_NE(dialog, nullptr) << "no dialog 住所から郵便番号";
  RECT opened = {}, results = {};
  GetWindowRect(dialog, &opened);
  GetWindowRect(driver::Control(main_, IDC_ADDRESS_LIST), &results);
  EXPECT_FALSE(Overlap(opened, results)) << "the dialog opened over the results";
  struct Case {
    const char* address;
    const char* box;  // the message beside the answer
    std::vector<std::string> rows;
    int selected;  // -1: none
    const char* status;
    std::vector<std::string> answer;  // the dialog's code, status and office
  };
  const std::string exactRow = "1076012 東京都港区赤坂赤坂アークヒルズ・アーク森ビル（１２階）";
  const std::string exactAddress = "東京都港区赤坂1-12-32 赤坂アークヒルズ・アーク森ビル12階";
  const char* exactStatus = "郵便番号が決まりました: 1076012（1 件）";
  const char* none = "この住所の市区町村が見つかりません。";
  const std::vector<std::string> exact = {"1076012", "決定", ""};
  const Case cases[] = {
      {exactAddress.c_str(), nullptr, {exactRow}, 0, exactStatus, exact},
      {"北海道札幌市中央区大通西", nullptr,
       {"0600042 北海道札幌市中央区大通西（１～１９丁目）", "0640820 北海道札幌市中央区大通西（２０～２８丁目）"}, -1,
       "郵便番号は決まりません: 候補が 2 件あります（町域が丁目・番地・建物などで分かれています）。",
       {"", "候補あり 2 件", ""}},
      {exactAddress.c_str(), nullptr, {exactRow}, 0, exactStatus, exact},
      {"こんにちは", none, {}, -1, none, {"", "見つからない", ""}},
      {"北海道札幌市中央区", nullptr, {"0600000 北海道札幌市中央区以下に掲載がない場合"}, 0,
       "市区町村だけが分かりました: 0600000（町域は見つかりません。1 件）", {"0600000", "市区町村のみ", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, c.address));
    HWND box = nullptr;
    if (c.box == nullptr) {
      ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
    } else {
      driver::PressDialogButton(dialog, IDOK);  // the box holds a click until answered
      box = Dialog("クラント");
      ASSERT_NE(box, nullptr) << "no box クラント";
      EXPECT_EQ(driver::MessageBoxText(box), c.box);
      EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "the box only informs";
      // Off the dialog, to see what the dialog shows meanwhile.
      SetWindowPos(box, nullptr, 0, 800, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed after a search";
    const std::vector<std::string> answer = {driver::ControlText(dialog, IDC_RESOLVE_CODE),
                                             driver::ControlText(dialog, IDC_RESOLVE_STATUS),
                                             driver::ControlText(dialog, IDC_RESOLVE_OFFICE)};
    EXPECT_EQ(answer, c.answer);
    const bool bars = c.answer == exact;
    EXPECT_EQ(driver::IsEnabled(dialog, IDC_RESOLVE_COPY_BARCODE), bars);
    Sleep(300);  // the screen catches up with the drawing
    EXPECT_EQ(BarsDrawn(dialog), bars);
    EXPECT_EQ(driver::SelectedTab(main_), 0);
    EXPECT_EQ(driver::StatusText(main_), c.status);
    EXPECT_EQ(driver::ControlText(main_, IDC_DISPLAY), c.selected < 0 ? "" : c.rows[0]);
    HWND list = driver::Control(main_, IDC_ADDRESS_LIST);
    EXPECT_EQ(Ask(list, LVM_GETSELECTEDCOUNT), c.selected < 0 ? 0 : 1);
    EXPECT_EQ(Ask(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), c.selected);
    if (box != nullptr) {
      driver::PressDialogButton(box);
      ASSERT_TRUE(driver::WaitIdle(dialog, kWaitMs));
    }
    // Last: reading the rows selects them one by one.
    std::vector<std::string> rows;
    for (int row = 0; row < driver::ItemCount(main_, IDC_ADDRESS_LIST); ++row) rows.push_back(RowText(row));
    EXPECT_EQ(rows, c.rows);
  }
  // The code as the display setting writes codes.
  HWND sheet = driver::OpenSettingsSheet(main_, kWaitMs);
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(driver::ClickButton(driver::ShowSheetPage(sheet, 0), IDC_SETTING_HYPHEN, kWaitMs));
  ASSERT_TRUE(driver::CloseSettingsSheet(sheet, true, kWaitMs));
  ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, exactAddress));
  ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
  EXPECT_EQ(driver::ControlText(dialog, IDC_RESOLVE_CODE), "107-6012");
  sheet = driver::OpenSettingsSheet(main_, kWaitMs);
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(driver::ClickButton(driver::ShowSheetPage(sheet, 0), IDC_SETTING_HYPHEN, kWaitMs));
  ASSERT_TRUE(driver::CloseSettingsSheet(sheet, true, kWaitMs));
  CloseDialog(dialog);  // 閉じる, as Esc
}

// The bars a metafile draws, read back by playing it into a bitmap at
// 10 pixels a millimetre: each bar's column sampled in its upper, middle and
// lower third.
std::string BarsOfMetafile(HENHMETAFILE metafile, const ENHMETAHEADER& header) {
  constexpr int kPerMm = 10;
  const int width = (header.rclFrame.right - header.rclFrame.left) * kPerMm / 100;
  const int height = (header.rclFrame.bottom - header.rclFrame.top) * kPerMm / 100;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  PlayEnhMetaFile(dc, metafile, &all);
  std::string bars;
  const auto black = [&](double xMm, double yMm) {
    return GetPixel(dc, static_cast<int>(xMm * kPerMm), static_cast<int>(yMm * kPerMm)) == RGB(0, 0, 0);
  };
  for (int i = 0; i < 67; ++i) {
    const double x = 2.0 + i * 1.2 + 0.3;
    const bool up = black(x, 2.6), middle = black(x, 3.8), down = black(x, 5.0);
    bars += !middle ? '?' : up && down ? 'F' : up ? 'A' : down ? 'D' : 'T';
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bars;
}

// The barcode under an exact answer, copied: a metafile of its real size
// that draws Japan Post's bars, and a bitmap beside it.
TEST_F(ProgramResolveTest, AddressDialogCopiesTheBarcodeAtRealSize) {
  PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_TO_CODE, 0);
  HWND dialog = Dialog("住所から郵便番号");
  ASSERT_NE(dialog, nullptr) << "no dialog 住所から郵便番号";
  HWND copy = GetDlgItem(dialog, IDC_RESOLVE_COPY_BARCODE);
  EXPECT_FALSE(IsWindowEnabled(copy)) << "nothing to copy before an answer";
  ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, "千葉市稲毛区緑町3丁目30-8　郵便ビル403号"));
  ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
  ASSERT_TRUE(IsWindowEnabled(copy));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_RESOLVE_COPY_BARCODE, kWaitMs));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  HENHMETAFILE metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
  ASSERT_NE(metafile, nullptr);
  ENHMETAHEADER header = {};
  GetEnhMetaFileHeader(metafile, sizeof header, &header);
  // 83.8 × 7.6 mm, in hundredths of a millimetre.
  EXPECT_NEAR(header.rclFrame.right - header.rclFrame.left, 8380, 2);
  EXPECT_NEAR(header.rclFrame.bottom - header.rclFrame.top, 760, 2);
  EXPECT_EQ(BarsOfMetafile(metafile, header),
            "FDFDADAFDFAFTTFTTFDADFADFATFTDFAFTTTFTADFTFTFADFTTDFATDATDATDAFTFDF");
  CloseClipboard();
  // A search with no town answer leaves nothing to copy.
  ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, "北海道札幌市中央区大通西"));
  ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
  EXPECT_FALSE(IsWindowEnabled(copy));
  CloseDialog(dialog);
}

TEST_F(ProgramResolveTest, AddressDialogWithANameAnswersWithTheOffice) {
  PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_TO_CODE, 0);
  HWND dialog = Dialog("住所から郵便番号");
  ASSERT_NE(dialog, nullptr) << "no dialog 住所から郵便番号";
  struct Case {
    const char* name;
    const char* address;
    int tab;
    const char* status;
    std::vector<std::string> answer;  // the dialog's code, status and office
  };
  const std::vector<std::string> bank = {"0608661", "事業所", "株式会社　北洋銀行　本店"};
  const std::vector<std::string> town = {"0600042", "決定", ""};
  const Case cases[] = {
      {"北洋銀行", "札幌市中央区大通西3-7", 1, "事業所の郵便番号です: 0608661（株式会社　北洋銀行　本店）", bank},
      {"（株）北洋銀行　本店", "北海道札幌市中央区大通西３丁目７番地", 1,
       "事業所の郵便番号です: 0608661（株式会社　北洋銀行　本店）", bank},
      // No office of that name there: the address alone answers.
      {"北洋銀行", "札幌市中央区大通西5-1", 0, "郵便番号が決まりました: 0600042（1 件）", town},
      {"ほげ商事", "札幌市中央区大通西3-7", 0, "郵便番号が決まりました: 0600042（1 件）", town},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_NAME, c.name));
    ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, c.address));
    ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
    EXPECT_EQ(driver::SelectedTab(main_), c.tab);
    EXPECT_EQ(driver::StatusText(main_), c.status);
    const std::vector<std::string> answer = {driver::ControlText(dialog, IDC_RESOLVE_CODE),
                                             driver::ControlText(dialog, IDC_RESOLVE_STATUS),
                                             driver::ControlText(dialog, IDC_RESOLVE_OFFICE)};
    EXPECT_EQ(answer, c.answer);
    // The office page keeps no office of the answer before.
    EXPECT_EQ(driver::ItemCount(main_, IDC_OFFICE_LIST), c.tab);
    if (c.tab != 1) continue;
    HWND list = driver::Control(main_, IDC_OFFICE_LIST);
    EXPECT_EQ(driver::ItemCount(main_, IDC_OFFICE_LIST), 1);
    EXPECT_EQ(Ask(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    Ask(main_, WM_COMMAND, IDM_COPY);
    const std::string shown = driver::ControlText(main_, IDC_DISPLAY);
    EXPECT_NE(shown.find("0608661"), std::string::npos) << shown;
    EXPECT_NE(shown.find("北洋銀行"), std::string::npos) << shown;
  }
  ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_NAME, ""));
  CloseDialog(dialog);
}

namespace {

// cp932 as UTF-16LE with its byte order mark: Excel's "Unicode テキスト".
std::string Utf16Text(const std::string& cp932, bool withBom = true) {
  std::wstring wide(cp932.size(), L'\0');
  wide.resize(MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), &wide[0],
                                  static_cast<int>(wide.size())));
  const std::string bytes(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  return withBom ? "\xFF\xFE" + bytes : bytes;
}

}  // namespace

TEST_F(ProgramResolveTest, AddressDialogShowsThePartsAndCopiesTheLine) {
  PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_TO_CODE, 0);
  HWND dialog = Dialog("住所から郵便番号");
  ASSERT_NE(dialog, nullptr) << "no dialog 住所から郵便番号";
  const int boxes[] = {IDC_PARTS_PREFECTURE, IDC_PARTS_CITY, IDC_PARTS_TOWN,    IDC_PARTS_SUBAREA,
                       IDC_PARTS_CHOME,      IDC_PARTS_LOT,  IDC_PARTS_BUILDING, IDC_PARTS_NORMALIZED};
  struct Case {
    const char* address;
    std::vector<std::string> parts;  // the boxes' texts, in order; the last the normalised line
  };
  const Case cases[] = {
      {"千代田区九段南２番地４三番町ＫＳビル１０階",
       {"東京都", "千代田区", "九段南", "", "", "2-4", "三番町ＫＳビル１０階", "東京都千代田区九段南2-4 三番町ＫＳビル１０階"}},
      {"京都市中京区河原町通四条上る米屋町１２３",
       {"京都府", "京都市中京区", "米屋町", "河原町通四条上る", "", "123", "", "京都府京都市中京区米屋町河原町通四条上る123"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, c.address));
    ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
    std::vector<std::string> shown;
    for (int id : boxes) shown.push_back(driver::ControlText(dialog, id));
    EXPECT_EQ(shown, c.parts);
    EXPECT_TRUE(driver::IsEnabled(dialog, IDC_PARTS_COPY));
    ASSERT_TRUE(driver::ClickButton(dialog, IDC_PARTS_COPY, kWaitMs));
    EXPECT_EQ(ClipboardText(CF_TEXT), c.parts.back());
    EXPECT_EQ(ClipboardText(CF_UNICODETEXT), c.parts.back());
  }
  // No municipality: the boxes empty, nothing to copy.
  ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, "こんにちは"));
  driver::PressDialogButton(dialog, IDOK);
  HWND box = Dialog("クラント");
  ASSERT_NE(box, nullptr) << "no box クラント";
  driver::PressDialogButton(box);
  ASSERT_TRUE(driver::WaitIdle(dialog, kWaitMs));
  EXPECT_EQ(driver::ControlText(dialog, IDC_PARTS_TOWN), "");
  EXPECT_FALSE(driver::IsEnabled(dialog, IDC_PARTS_COPY));
  CloseDialog(dialog);
}

TEST_F(ProgramResolveTest, CsvFileGetsTheQueryToolsBytes) {
  enum Encoding { kShiftJis, kUtf8, kUtf8WithBom, kUnicodeText };
  struct Case {
    const char* name;
    Encoding encoding;
    bool header;
    const char* apart;  // the report's line for rows set apart
    bool split = false;       // 住所を分けた列も付ける checked
    bool barcode = false;     // カスタマバーコードを付ける checked
    bool duplicates = false;  // 重複を調べる checked
  };
  const Case cases[] = {
      {"sjis_header.csv", kShiftJis, true, nullptr},
      {"sjis.csv", kShiftJis, false, nullptr},
      {"utf8_header.csv", kUtf8WithBom, true, nullptr},
      {"utf8.csv", kUtf8, false, nullptr},
      {"utf8_one_sjis_row.csv", kUtf8, true, "　うち UTF-8 でない行: 1（3 行目。住所を読んでいません）\n"},
      {"excel.txt", kUnicodeText, true, nullptr},
      {"utf8_split.csv", kUtf8, true, nullptr, true},
      {"sjis_barcode.csv", kShiftJis, true, nullptr, true, true},
      {"utf8_duplicates.csv", kUtf8, true, nullptr, false, false, true},
  };
  bool split = false, barcode = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A few hundred offices from all over the country.
    std::string cp932 = c.header ? "名称,住所,郵便番号\r\n" : "";
    for (size_t i = 0; i < offices_->size(); i += 75) cp932 += (*offices_)[i];
    // Some of them again further down: the window's 重複 column is the tool's.
    for (size_t i = 0; c.duplicates && i < offices_->size(); i += 150) cp932 += (*offices_)[i];
    if (c.encoding == kUnicodeText) std::replace(cp932.begin(), cp932.end(), ',', '\t');
    std::string bytes = c.encoding == kShiftJis      ? cp932
                        : c.encoding == kUtf8        ? driver::Cp932ToUtf8(cp932)
                        : c.encoding == kUnicodeText ? Utf16Text(cp932)
                                                     : "\xEF\xBB\xBF" + driver::Cp932ToUtf8(cp932);
    // A row typed in another program, its address in Shift-JIS.
    if (c.apart != nullptr) bytes.insert(bytes.find("\r\n", bytes.find("\r\n") + 2) + 2, (*offices_)[0]);
    dir_->Write(c.name, bytes);

    ASSERT_TRUE(ChooseCsvFile(dir_->File(c.name)));
    HWND columns = Dialog("CSV ファイルに郵便番号を付ける");
    ASSERT_NE(columns, nullptr) << "no columns dialog";
    EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_ADDRESS_COLUMN), LB_GETCURSEL), 2) << "address column (0 is none)";
    EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_CODE_COLUMN), LB_GETCURSEL), 3) << "code column (0 is none)";
    EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_NAME_COLUMN), LB_GETCURSEL), c.header ? 1 : 0) << "name column";
    EXPECT_EQ(driver::IsChecked(columns, IDC_CSV_HEADER), c.header);
    // Both as the run before left them.
    EXPECT_EQ(driver::IsChecked(columns, IDC_CSV_SPLIT), split);
    EXPECT_EQ(driver::IsChecked(columns, IDC_CSV_BARCODE), barcode);
    Ask(driver::Control(columns, IDC_CSV_SPLIT), BM_SETCHECK, (split = c.split) ? BST_CHECKED : BST_UNCHECKED);
    Ask(driver::Control(columns, IDC_CSV_BARCODE), BM_SETCHECK, (barcode = c.barcode) ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_FALSE(driver::IsChecked(columns, IDC_CSV_DUPLICATES));
    if (c.duplicates) Ask(driver::Control(columns, IDC_CSV_DUPLICATES), BM_SETCHECK, BST_CHECKED);
    driver::PressDialogButton(columns);

    HWND report = Dialog("報告");
    ASSERT_NE(report, nullptr) << "no report";
    const std::string extension = c.encoding == kUnicodeText ? ".txt" : ".csv";
    const std::string output = std::string(c.name, std::strlen(c.name) - 4) + "_郵便番号" + extension;
    const std::string text = Unbroken(driver::MessageBoxText(report));
    const std::string end = "書き出したファイル:\n" + dir_->File(output);
    // The path in lines short enough for any box.
    const std::string shown = driver::MessageBoxText(report);
    for (size_t line = shown.rfind(":\n") + 2, next; line < shown.size(); line = next + 1) {
      next = std::min(shown.find('\n', line), shown.size());
      EXPECT_LE(next - line, 60u) << shown.substr(line, next - line);
    }
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), end.size())), end) << text;
    EXPECT_EQ(text.find("事業所 (office): ") != std::string::npos, c.header) << text;
    EXPECT_NE(text.find("\n事業所: "), std::string::npos) << text;
    if (c.apart != nullptr) {
      EXPECT_NE(text.find(c.apart), std::string::npos) << text;
    }
    EXPECT_EQ(text.find("\n重複 (同じ住所): ") != std::string::npos, c.duplicates) << text;
    driver::PressDialogButton(report);
    ASSERT_TRUE(dir_->Has(output));
    EXPECT_TRUE(dir_->Read(c.name) == bytes) << "the input changed";
    EXPECT_TRUE(dir_->Read(output) ==
                QueryToolOutput(dir_->File(c.name), c.header, c.split, c.barcode, c.duplicates))
        << "the window wrote other bytes than the tool";
  }
}

TEST_F(ProgramResolveTest, CancelDuringAThreadedRunLeavesNoFile) {
  // Some 900,000 rows: the work lasts long enough to be watched, then cancelled.
  std::string bytes;
  for (int pass = 0; pass < 40; ++pass)
    for (const std::string& row : *offices_) bytes += row;
  dir_->Write("many.csv", bytes);
  const std::vector<std::string> before = FilesIn(*dir_);

  ASSERT_TRUE(ChooseCsvFile(dir_->File("many.csv")));
  HWND columns = Dialog("CSV ファイルに郵便番号を付ける");
  ASSERT_NE(columns, nullptr) << "no columns dialog";
  driver::PressDialogButton(columns);
  HWND progress = Dialog("クラント");
  ASSERT_NE(progress, nullptr) << "no progress dialog";
  EXPECT_EQ(driver::MessageBoxText(progress), "住所から郵便番号を調べています...");
  HWND bar = driver::Control(progress, IDC_CSV_PROGRESS);
  for (const DWORD start = GetTickCount(); Ask(bar, PBM_GETPOS) == 0 && GetTickCount() - start < kWaitMs;) Sleep(20);
  ASSERT_GT(Ask(bar, PBM_GETPOS), 0) << "the bar never moved";
  // Mid-run the window answers at once, and the output grows in its temporary file.
  const DWORD asked = GetTickCount();
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &ignored), 0);
  EXPECT_LT(GetTickCount() - asked, 500u) << "the window was slow to answer during the work";
  EXPECT_TRUE(dir_->Has("many_郵便番号.csv.tmp")) << "the output is not written as the work goes";
  EXPECT_LT(Ask(bar, PBM_GETPOS), 100) << "the work ended before it could be cancelled";
  // How much is read, of the file's kilobytes.
  const std::string count = driver::ControlText(progress, IDC_CSV_PROGRESS_COUNT);
  const std::string size = " / " + std::to_string((bytes.size() + 1023) / 1024) + " KB";
  EXPECT_EQ(count.substr(count.size() - std::min(count.size(), size.size())), size) << count;
  EXPECT_GT(std::atol(count.c_str()), 0) << count;
  driver::PressDialogButton(progress, IDCANCEL);
  const DWORD start = GetTickCount();
  while (IsWindow(progress) && GetTickCount() - start < kWaitMs) Sleep(50);
  ASSERT_FALSE(IsWindow(progress)) << "Cancel left the progress open";
  ASSERT_TRUE(driver::WaitIdle(main_, kWaitMs));

  HWND report = driver::WaitMessageBox(program_->Id(), "報告", kWaitMs);
  ASSERT_NE(report, nullptr) << "Cancel was not told";
  EXPECT_EQ(Unbroken(driver::MessageBoxText(report)),
            "キャンセルしました。\n" + dir_->File("many_郵便番号.csv") + " は書き出していません。");
  EXPECT_EQ(FilesIn(*dir_), before) << "a file appeared or went";
  EXPECT_TRUE(dir_->Read("many.csv") == bytes) << "the input changed";
  driver::PressDialogButton(report);
  ASSERT_TRUE(driver::WaitIdle(main_, kWaitMs));
}

TEST_F(ProgramResolveTest, LongFileOfLatinBuildingsGetsTheQueryToolsBytes) {
  // Every town of the country with a lot and a building in Latin letters:
  // many blocks over every worker, run to the end.
  if (!FileExists(kLatinList)) GTEST_SKIP() << "no " << kLatinList << " (made from KEN_ALL.CSV); skipping";
  ASSERT_TRUE(CopyFileA(kLatinList, dir_->File("latin.csv").c_str(), FALSE));

  ASSERT_TRUE(ChooseCsvFile(dir_->File("latin.csv")));
  HWND columns = Dialog("CSV ファイルに郵便番号を付ける");
  ASSERT_NE(columns, nullptr) << "no columns dialog";
  Ask(driver::Control(columns, IDC_CSV_ADDRESS_COLUMN), LB_SETCURSEL, 1);
  Ask(driver::Control(columns, IDC_CSV_CODE_COLUMN), LB_SETCURSEL, 2);
  Ask(driver::Control(columns, IDC_CSV_NAME_COLUMN), LB_SETCURSEL, 0);
  EXPECT_TRUE(driver::IsChecked(columns, IDC_CSV_HEADER));
  // The boxes keep the last run's choice.
  Ask(driver::Control(columns, IDC_CSV_SPLIT), BM_SETCHECK, BST_UNCHECKED);
  Ask(driver::Control(columns, IDC_CSV_BARCODE), BM_SETCHECK, BST_UNCHECKED);
  driver::PressDialogButton(columns);
  HWND report = driver::WaitMessageBox(program_->Id(), "報告", kLongRunMs);
  ASSERT_NE(report, nullptr) << "no report";
  const std::string text = driver::MessageBoxText(report);
  EXPECT_NE(text.find("書き出したファイル:\n" + dir_->File("latin_郵便番号.csv")), std::string::npos) << text;
  driver::PressDialogButton(report);

  const std::string out = dir_->File("query_tool.csv");
  const std::string command = QueryTool() + " resolve --csv \"" + dir_->File("latin.csv") +
                              "\" --column 1 --code-column 2 --header --output \"" + out + "\"";
  ASSERT_EQ(RunCommand(command, nullptr, nullptr), 0) << command;
  const std::string window = dir_->Read("latin_郵便番号.csv");
  const std::string tool = dir_->Read("query_tool.csv");
  EXPECT_GT(std::count(tool.begin(), tool.end(), '\n'), 100000);
  EXPECT_TRUE(window == tool) << "the window wrote other bytes than the tool (" << window.size() << " against "
                              << tool.size() << ")";
  DeleteFileA(out.c_str());
  DeleteFileA(dir_->File("latin_郵便番号.csv").c_str());
  DeleteFileA(dir_->File("latin.csv").c_str());
}

TEST_F(ProgramResolveTest, ClosingTheWindowMidRunEndsTheProgramAndLeavesNoFile) {
  std::string bytes;
  for (int pass = 0; pass < 40; ++pass)
    for (const std::string& row : *offices_) bytes += row;
  dir_->Write("closed.csv", bytes);
  HWND list = OpenListDialog();
  ASSERT_NE(list, nullptr);
  PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_TO_CODE, 0);
  HWND address = Dialog("住所から郵便番号");
  ASSERT_NE(address, nullptr);

  ASSERT_TRUE(ChooseCsvFile(dir_->File("closed.csv")));
  HWND columns = Dialog("CSV ファイルに郵便番号を付ける");
  ASSERT_NE(columns, nullptr) << "no columns dialog";
  driver::PressDialogButton(columns);
  HWND progress = Dialog("クラント");
  ASSERT_NE(progress, nullptr) << "no progress dialog";
  HWND bar = driver::Control(progress, IDC_CSV_PROGRESS);
  for (const DWORD start = GetTickCount(); Ask(bar, PBM_GETPOS) == 0 && GetTickCount() - start < kWaitMs;) Sleep(20);
  ASSERT_GT(Ask(bar, PBM_GETPOS), 0) << "the bar never moved";
  ASSERT_LT(Ask(bar, PBM_GETPOS), 100) << "the work ended before the window could be closed";
  // Neither dialog can start a search on the state the run is reading.
  EXPECT_FALSE(IsWindowEnabled(address)) << "住所から郵便番号 usable during the run";
  EXPECT_FALSE(IsWindowEnabled(list)) << "住所の一覧から郵便番号 usable during the run";

  PostMessageA(main_, WM_CLOSE, 0, 0);
  const bool ended = program_->WaitExit(kWaitMs, nullptr);
  if (!ended) program_->Kill();
  EXPECT_TRUE(ended) << "the program lived on after its window closed mid-run";
  EXPECT_FALSE(dir_->Has("closed_郵便番号.csv")) << "an output after the run was cut short";
  EXPECT_FALSE(dir_->Has("closed_郵便番号.csv.tmp")) << "the temporary file was left";
  DeleteFileA(dir_->File("closed.csv").c_str());

  // The other tests go on with a program of their own.
  main_ = nullptr;
  if (program_->Start(dir_->File("kuranto.exe"), dir_->path())) main_ = driver::WaitMainWindow(program_->Id(), kStartMs);
}

TEST_F(ProgramResolveTest, RefusedFileIsReportedAndNothingWritten) {
  const std::string quote = " 行目で始まる行の引用符 (\") が閉じていません。\n何も書き出していません。";
  struct Case {
    const char* name;
    std::string bytes;
    std::string report;  // after the file's path
  };
  const Case cases[] = {
      {"quote_later.csv", "名前,住所\r\nA,東京都港区赤坂\r\nB,\"北海道札幌市中央区\r\nC,東京都千代田区\r\n",
       " の 3" + quote},
      {"quote_first.csv", "\"名前,住所\r\nA,東京都港区赤坂\r\n", " の 1" + quote},
      {"not_text.csv", "名前,住所\r\nA,\x80\x80\r\n",
       " の 2 行目は UTF-8 でも Shift-JIS でもありません。\n何も書き出していません。"},
      {"no_bom.txt", Utf16Text("名前\t住所\r\nA\t東京都港区赤坂1-2-3\r\n", false),
       " は BOM (バイト順マーク) のない UTF-16 のようです。\nBOM 付きの UTF-16 (Excel の「Unicode テキスト」)、"
       "UTF-8 または Shift-JIS で保存してください。\n何も書き出していません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dir_->Write(c.name, c.bytes);
    const std::vector<std::string> before = FilesIn(*dir_);
    ASSERT_TRUE(ChooseCsvFile(dir_->File(c.name)));
    // The refusal may come before the columns are asked for, or after.
    HWND report = nullptr;
    HWND pressed = nullptr;
    for (const DWORD start = GetTickCount(); report == nullptr && GetTickCount() - start < kWaitMs; Sleep(50)) {
      HWND columns = driver::WaitMessageBox(program_->Id(), "CSV ファイルに郵便番号を付ける", 0);
      if (columns != nullptr && columns != pressed) driver::PressDialogButton(pressed = columns);
      report = driver::WaitMessageBox(program_->Id(), "報告", 0);
    }
    ASSERT_NE(report, nullptr) << "no report";
    EXPECT_EQ(driver::MessageBoxText(report), dir_->File(c.name) + c.report);
    driver::PressDialogButton(report);
    ASSERT_TRUE(driver::WaitIdle(main_, kWaitMs));
    EXPECT_EQ(FilesIn(*dir_), before);
  }
}

// A column copied from a spreadsheet: a few hundred offices' addresses from
// all over the country, an empty cell, a text that is no address, a row with
// a second cell. すべてコピー gives the query tool's codes and statuses row for
// row; a double click shows a row's towns in the address list.
TEST_F(ProgramResolveTest, PastedColumnCopiesTheQueryToolsCodesRowForRow) {
  std::vector<std::string> cells;  // what the dialog should read as each row's address
  for (size_t i = 0; i < officeAddresses_->size(); i += 300) cells.push_back((*officeAddresses_)[i]);
  cells.insert(cells.begin() + 10, "");
  cells.insert(cells.begin() + 20, "こんにちは");
  std::string pasted;
  for (size_t row = 0; row < cells.size(); ++row) pasted += cells[row] + (row == 30 ? "\t株式会社" : "") + "\r\n";

  HWND dialog = OpenListDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog 住所の一覧から郵便番号";
  ASSERT_TRUE(SearchPasted(dialog, pasted));
  ASSERT_EQ(driver::ItemCount(dialog, IDC_LIST_RESULTS), static_cast<int>(cells.size()));

  const std::vector<std::string> tool = QueryToolLines(cells);
  ASSERT_EQ(tool.size(), cells.size());
  std::string expected;
  unsigned long byStatus[4] = {};
  size_t exactRow = 0;
  const char* statuses[] = {"\texact\t", "\tambiguous\t", "\tcity\t", "\tnone\t"};
  for (size_t row = 0; row < cells.size(); ++row) {
    if (!cells[row].empty()) {
      // CODE<TAB>STATUS<TAB>CANDIDATES: the first two fields.
      expected += tool[row].substr(0, tool[row].find('\t', tool[row].find('\t') + 1));
      for (int status = 0; status < 4; ++status) {
        if (tool[row].find(statuses[status]) != std::string::npos) ++byStatus[status];
      }
      if (exactRow == 0 && row > 30 && tool[row].find(statuses[0]) != std::string::npos) exactRow = row;
    }
    expected += "\r\n";
  }
  EXPECT_EQ(byStatus[0] + byStatus[1] + byStatus[2] + byStatus[3], cells.size() - 1);
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 20, 3), "none");
  char counts[256];
  std::snprintf(counts, sizeof counts,
                "%lu 行: 決定 (exact) %lu、候補あり (ambiguous) %lu、市区町村のみ (city) %lu、見つからない (none) %lu、空の行 1",
                static_cast<unsigned long>(cells.size()), byStatus[0], byStatus[1], byStatus[2], byStatus[3]);
  EXPECT_EQ(driver::StatusBarText(dialog, IDC_LIST_STATUS), counts);

  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_ALL, kWaitMs));
  EXPECT_TRUE(ClipboardText(CF_TEXT) == expected) << "CF_TEXT is not the query tool's column";
  EXPECT_TRUE(ClipboardText(CF_UNICODETEXT) == expected) << "CF_UNICODETEXT is not the query tool's column";

  // Review: the exact row's towns, the first selected, in the address list.
  ASSERT_NE(exactRow, 0u);
  const std::string code = tool[exactRow].substr(0, 7);
  ASSERT_TRUE(driver::DoubleClickRow(dialog, IDC_LIST_RESULTS, static_cast<int>(exactRow), kWaitMs));
  const int rows = driver::ItemCount(main_, IDC_ADDRESS_LIST);
  EXPECT_GE(rows, 1);
  EXPECT_EQ(driver::StatusText(main_), "郵便番号が決まりました: " + code + "（" + std::to_string(rows) + " 件）");
  EXPECT_EQ(Ask(driver::Control(main_, IDC_ADDRESS_LIST), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  EXPECT_EQ(RowText(0).substr(0, 7), code);
  // An empty row shows nothing: the list stays as it was.
  ASSERT_TRUE(driver::DoubleClickRow(dialog, IDC_LIST_RESULTS, 10, kWaitMs));
  EXPECT_EQ(driver::ItemCount(main_, IDC_ADDRESS_LIST), rows);
  CloseDialog(dialog);
}

// A list of codes and no addresses: the address column left at none, the
// codes' addresses are written beside it as NAME_住所.csv, the query tool's
// lookup --csv bytes, threaded over some 2,000 rows.
TEST_F(ProgramResolveTest, CodeColumnWithoutAddressesGetsTheQueryToolsAddresses) {
  std::string cp932 = "名称,郵便番号\r\n";
  for (size_t i = 0; i < offices_->size(); i += 11) {
    const std::string& row = (*offices_)[i];
    const std::string code = row.substr(row.size() - 9, 7);
    cp932 += row.substr(0, row.find("\",\"") + 1) + "," + (i % 2 ? code : code.substr(0, 3) + "-" + code.substr(3)) + "\r\n";
  }
  cp932 += "町,1070052\r\n村,0040000\r\nビル,1076001\r\n古い,0608600\r\n短い\r\n";
  const std::string bytes = driver::Cp932ToUtf8(cp932);
  dir_->Write("codes.csv", bytes);

  ASSERT_TRUE(ChooseCsvFile(dir_->File("codes.csv")));
  HWND columns = Dialog("CSV ファイルに郵便番号を付ける");
  ASSERT_NE(columns, nullptr) << "no columns dialog";
  EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_ADDRESS_COLUMN), LB_GETCURSEL), 0) << "no address column: none";
  EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_CODE_COLUMN), LB_GETCURSEL), 2) << "code column";
  // None of both is no work: the dialog asks for the code column.
  Ask(driver::Control(columns, IDC_CSV_ADDRESS_COLUMN), LB_SETCURSEL, 0);
  Ask(driver::Control(columns, IDC_CSV_CODE_COLUMN), LB_SETCURSEL, 0);
  PostMessageA(columns, WM_COMMAND, IDOK, 0);
  HWND ask = Dialog("確認");
  ASSERT_NE(ask, nullptr) << "none and none were taken";
  EXPECT_NE(driver::MessageBoxText(ask).find("郵便番号が入っている列を選んでください"), std::string::npos);
  driver::PressDialogButton(ask);
  ASSERT_TRUE(IsWindow(columns));
  Ask(driver::Control(columns, IDC_CSV_CODE_COLUMN), LB_SETCURSEL, 2);
  driver::PressDialogButton(columns);

  HWND report = Dialog("報告");
  ASSERT_NE(report, nullptr) << "no report";
  const std::string text = driver::MessageBoxText(report);
  EXPECT_EQ(text.find("住所を付けました（"), 0u) << text;
  EXPECT_NE(text.find("見つからない (none): 2\n　うち郵便番号の列がない行: 1（"), std::string::npos) << text;
  EXPECT_NE(text.find("書き出したファイル:\n" + dir_->File("codes_住所.csv")), std::string::npos) << text;
  driver::PressDialogButton(report);
  ASSERT_TRUE(dir_->Has("codes_住所.csv"));
  const std::string out = dir_->File("query_tool.csv");
  const std::string command = QueryTool() + " lookup --csv \"" + dir_->File("codes.csv") +
                              "\" --column 2 --header --output \"" + out + "\"";
  ASSERT_EQ(RunCommand(command, nullptr, nullptr), 0) << command;
  EXPECT_TRUE(dir_->Read("codes_住所.csv") == dir_->Read("query_tool.csv")) << "the window wrote other bytes than the tool";
  EXPECT_NE(dir_->Read("codes_住所.csv").find(driver::Cp932ToUtf8("ビル,1076001,東京都,港区,赤坂,exact\r\n")),
            std::string::npos);
  DeleteFileA(out.c_str());
}

// Pasted lines that are only a code are answered with their addresses, and
// すべてコピー gives PREFECTURE<TAB>CITY<TAB>TOWN for them, as the query tool's
// lookup gives them; the addresses among them are resolved as before.
TEST_F(ProgramResolveTest, PastedCodesAreAnsweredWithTheirAddresses) {
  const std::vector<std::string> cells = {"〒107-0052", "１０７－６００１", "0040000", "東京都港区赤坂1-2-3",
                                          "0608661", "0608600", ""};
  std::string pasted;
  for (const std::string& cell : cells) pasted += cell + "\r\n";
  HWND dialog = OpenListDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog 住所の一覧から郵便番号";
  ASSERT_TRUE(SearchPasted(dialog, pasted));
  ASSERT_EQ(driver::ItemCount(dialog, IDC_LIST_RESULTS), static_cast<int>(cells.size()));
  const std::vector<std::string> tool = QueryToolLines(cells, "lookup");
  std::string expected;
  for (size_t row = 0; row < cells.size(); ++row) {
    if (row == 3) {
      expected += "1070052\texact";
    } else if (!cells[row].empty()) {
      // CODE<TAB>STATUS<TAB>PREFECTURE<TAB>CITY<TAB>TOWN...: the three address fields.
      const size_t third = tool[row].find('\t', tool[row].find('\t') + 1) + 1;
      size_t end = third - 1;
      for (int tab = 0; tab < 3 && end != std::string::npos; ++tab) end = tool[row].find('\t', end + 1);
      expected += tool[row].substr(third, end == std::string::npos ? std::string::npos : end - third);
    }
    expected += "\r\n";
  }
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 0, 3), "exact");
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 0, 5), "東京都 港区 赤坂");
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 2, 3), "ambiguous");
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 4, 3), "office");
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 5, 3), "none");
  EXPECT_NE(driver::StatusBarText(dialog, IDC_LIST_STATUS).find("（うち郵便番号の行 5: 決定 2、候補あり 1、事業所 1、見つからない 1）"),
            std::string::npos)
      << driver::StatusBarText(dialog, IDC_LIST_STATUS);
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_ALL, kWaitMs));
  EXPECT_TRUE(ClipboardText(CF_TEXT) == expected) << ClipboardText(CF_TEXT);
  EXPECT_TRUE(ClipboardText(CF_UNICODETEXT) == expected);
  // Review: a code's town in the address list.
  ASSERT_TRUE(driver::DoubleClickRow(dialog, IDC_LIST_RESULTS, 0, kWaitMs));
  EXPECT_EQ(driver::StatusText(main_), "郵便番号が決まりました: 1070052（1 件）");
  CloseDialog(dialog);
}

TEST_F(ProgramResolveTest, PastedColumnCopiesThePartsWhenAsked) {
  std::vector<std::string> cells;
  for (size_t i = 0; i < officeAddresses_->size(); i += 500) cells.push_back((*officeAddresses_)[i]);
  cells.insert(cells.begin() + 5, "");
  cells.insert(cells.begin() + 10, "こんにちは");
  std::string pasted;
  for (const std::string& cell : cells) pasted += cell + "\r\n";

  HWND dialog = OpenListDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog 住所の一覧から郵便番号";
  EXPECT_FALSE(driver::IsChecked(dialog, IDC_LIST_COPY_PARTS));
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_PARTS, kWaitMs));
  ASSERT_TRUE(SearchPasted(dialog, pasted));
  // CODE, STATUS and the seven parts: the tool's --split line without its candidates.
  const std::vector<std::string> tool = QueryToolLines(cells, "resolve", " --split");
  ASSERT_EQ(tool.size(), cells.size());
  std::string expected;
  for (size_t row = 0; row < cells.size(); ++row) {
    if (!cells[row].empty()) {
      const std::string& line = tool[row];
      const size_t status = line.find('\t', line.find('\t') + 1);
      size_t parts = line.size();
      for (int tabs = 0; tabs < 7; ++tabs) parts = line.rfind('\t', parts - 1);
      expected += line.substr(0, status) + line.substr(parts);
    }
    expected += "\r\n";
  }
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_ALL, kWaitMs));
  EXPECT_TRUE(ClipboardText(CF_TEXT) == expected) << ClipboardText(CF_TEXT).substr(0, 400);
  EXPECT_TRUE(ClipboardText(CF_UNICODETEXT) == expected);
  // The choice is kept: the dialog opened again has it, and unchecked it copies codes alone.
  CloseDialog(dialog);
  dialog = OpenListDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(driver::IsChecked(dialog, IDC_LIST_COPY_PARTS));
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_PARTS, kWaitMs));
  EXPECT_FALSE(driver::IsChecked(dialog, IDC_LIST_COPY_PARTS));
  CloseDialog(dialog);
}

// Rows of one address written apart: each later one names the first in 重複,
// the status bar counts them, and 重複も copies the column.
TEST_F(ProgramResolveTest, PastedColumnNamesTheFirstRowOfEachAddress) {
  const std::vector<std::string> cells = {"東京都千代田区神田神保町1-2-3 神保ビル5F", "千代田区神田神保町一丁目２番３号　神保ビル５階",
                                          "東京都千代田区神田神保町1-2-3 神保ビル6F", "",
                                          "東京都千代田区神田神保町１－２－３神保ビル６階", "東京都千代田区神田神保町1-2-3"};
  std::string pasted;
  for (const std::string& cell : cells) pasted += cell + "\r\n";
  HWND dialog = OpenListDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog 住所の一覧から郵便番号";
  ASSERT_TRUE(SearchPasted(dialog, pasted));
  const char* firstRows[] = {"", "1", "", "", "3", ""};
  for (int row = 0; row < static_cast<int>(cells.size()); ++row) {
    EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, row, 4), firstRows[row]) << row;
  }
  const std::string status = driver::StatusBarText(dialog, IDC_LIST_STATUS);
  EXPECT_NE(status.find("、重複 2 件（4 行）"), std::string::npos) << status;
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_DUPLICATES, kWaitMs));
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_ALL, kWaitMs));
  const std::string expected = "1010051\texact\t\r\n1010051\texact\t1\r\n1010051\texact\t\r\n\t\r\n"
                               "1010051\texact\t3\r\n1010051\texact\t\r\n";
  EXPECT_TRUE(ClipboardText(CF_TEXT) == expected) << ClipboardText(CF_TEXT);
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_COPY_DUPLICATES, kWaitMs));
  CloseDialog(dialog);
}

// 100,000 rows: the dialog answers while they are resolved; Cancel stops the
// work, keeps the rows answered so far, and the dialog searches again.
TEST_F(ProgramResolveTest, CancelInALongRunLeavesTheDialogUsable) {
  constexpr int kRows = 100000;
  std::string pasted;
  for (int row = 0; row < kRows; ++row) pasted += (*officeAddresses_)[row % officeAddresses_->size()] + "\r\n";

  HWND dialog = OpenListDialog();
  ASSERT_NE(dialog, nullptr) << "no dialog 住所の一覧から郵便番号";
  ASSERT_TRUE(PasteAndSearch(dialog, pasted));
  EXPECT_TRUE(driver::WaitIdle(dialog, 1000));
  ASSERT_TRUE(driver::IsEnabled(dialog, IDC_LIST_STOP)) << "the work was over before it could be cancelled";
  EXPECT_FALSE(driver::IsEnabled(dialog, IDOK));
  ASSERT_TRUE(driver::ClickButton(dialog, IDC_LIST_STOP, kWaitMs));

  EXPECT_TRUE(driver::IsEnabled(dialog, IDOK));
  EXPECT_FALSE(driver::IsEnabled(dialog, IDC_LIST_STOP));
  const int kept = driver::ItemCount(dialog, IDC_LIST_RESULTS);
  EXPECT_LT(kept, kRows);
  const std::string status = driver::StatusBarText(dialog, IDC_LIST_STATUS);
  EXPECT_EQ(status.rfind("キャンセルしました。" + std::to_string(kept) + " 行: ", 0), 0u) << status;

  ASSERT_TRUE(SearchPasted(dialog, "東京都港区赤坂1-12-32 赤坂アークヒルズ・アーク森ビル12階\r\n"));
  EXPECT_EQ(driver::ItemCount(dialog, IDC_LIST_RESULTS), 1);
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 0, 2), "1076012");
  EXPECT_EQ(driver::ListCell(dialog, IDC_LIST_RESULTS, 0, 3), "exact");
  CloseDialog(dialog);
}

}  // namespace
