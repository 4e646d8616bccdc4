// kuranto.exe over copies of the real published files, driven from outside
// through its File menu as a user would: 住所から郵便番号 answering in the
// address list, and CSV ファイルに郵便番号を付ける writing the query tool's
// bytes, leaving nothing behind when cancelled or refused. One program serves
// every test: its first start builds the index files of the whole country.
// Texts are cp932.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
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
constexpr int kOpenFileNameBox = 1148;  // cmb13 of the common open dialog
const char kRegistryKey[] = "Software\\Ostrel\\Kuranto";

#if defined(KURANTO_EXE) && defined(KURANTO_QUERY_EXE)
const char kProgram[] = KURANTO_EXE;
const char kQueryTool[] = KURANTO_QUERY_EXE;
#else
const char kProgram[] = "";
const char kQueryTool[] = "";
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

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result);
  return static_cast<LRESULT>(result);
}

// Every office of the real file as a row "NAME","ADDRESS",CODE (cp932, CR LF),
// the address put together from its prefecture, city, town and lot.
std::vector<std::string> OfficeRows(const std::string& jigyosyo) {
  std::vector<std::string> rows;
  for (const std::string& line : test_lines::SplitCrLfLines(jigyosyo)) {
    const std::vector<std::string> c = test_lines::SplitColumns(line);
    if (c.size() > 7) rows.push_back("\"" + c[2] + "\",\"" + c[3] + c[4] + c[5] + c[6] + "\"," + c[7] + "\r\n");
  }
  return rows;
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
    HWND open = Dialog("開く");
    return open != nullptr && driver::SetControlText(open, kOpenFileNameBox, file) &&
           driver::PressDialogButton(open, IDOK);
  }

  // The query tool's output for the same file and columns.
  static std::string QueryToolOutput(const std::string& file, bool header) {
    const std::string out = dir_->File("query_tool.csv");
    std::string dir = dir_->path();
    dir.pop_back();
    std::string command = std::string("\"") + kQueryTool + "\" --dir \"" + dir + "\" resolve --csv \"" + file +
                          "\" --column 2 --code-column 3" + (header ? " --header" : "") + " --output \"" + out + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process)) {
      ADD_FAILURE() << "cannot start " << command;
      return {};
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u) << command;
    const std::string bytes = dir_->Read("query_tool.csv");
    DeleteFileA(out.c_str());
    return bytes;
  }

  static std::string skip_;
  static test_lines::TempDir* dir_;
  static std::vector<std::string>* offices_;
  static driver::Program* program_;
  static HWND main_;
};

std::string ProgramResolveTest::skip_;
test_lines::TempDir* ProgramResolveTest::dir_ = nullptr;
std::vector<std::string>* ProgramResolveTest::offices_ = nullptr;
driver::Program* ProgramResolveTest::program_ = nullptr;
HWND ProgramResolveTest::main_ = nullptr;

TEST_F(ProgramResolveTest, AddressDialogAnswersInTheAddressList) {
  PostMessageA(main_, WM_COMMAND, IDM_ADDRESS_TO_CODE, 0);
  HWND dialog = Dialog("住所から郵便番号");
  ASSERT_NE(dialog, nullptr) << "no dialog 住所から郵便番号";
  struct Case {
    const char* address;
    const char* box;  // the message instead of an answer
    std::vector<std::string> rows;
    int selected;  // -1: none
    const char* status;
  };
  const std::string exactRow = "1076012 東京都港区赤坂赤坂アークヒルズ・アーク森ビル（１２階）";
  const char* exactStatus = "郵便番号が決まりました: 1076012（1 件）";
  const Case cases[] = {
      {"東京都港区赤坂1-12-32 赤坂アークヒルズ・アーク森ビル12階", nullptr, {exactRow}, 0, exactStatus},
      // The list, its selection and the status stay those of the answer before.
      {"こんにちは", "この住所の市区町村が見つかりません。", {exactRow}, 0, exactStatus},
      {"北海道札幌市中央区大通西", nullptr,
       {"0600042 北海道札幌市中央区大通西（１～１９丁目）", "0640820 北海道札幌市中央区大通西（２０～２８丁目）"}, -1,
       "郵便番号は決まりません: 候補が 2 件あります（町域が丁目・番地・建物などで分かれています）。"},
      {"北海道札幌市中央区", nullptr, {"0600000 北海道札幌市中央区以下に掲載がない場合"}, -1,
       "市区町村だけが分かりました: 0600000（町域は見つかりません。1 件）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    ASSERT_TRUE(driver::SetControlText(dialog, IDC_RESOLVE_ADDRESS, c.address));
    if (c.box == nullptr) {
      ASSERT_TRUE(driver::ClickButton(dialog, IDOK, kWaitMs));
    } else {
      driver::PressDialogButton(dialog, IDOK);  // the box holds a click until answered
      HWND box = Dialog("確認");
      ASSERT_NE(box, nullptr) << "no box 確認";
      EXPECT_EQ(driver::MessageBoxText(box), c.box);
      driver::PressDialogButton(box);
      ASSERT_TRUE(driver::WaitIdle(dialog, kWaitMs));
    }
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog closed after a search";
    EXPECT_EQ(driver::SelectedTab(main_), 0);
    EXPECT_EQ(driver::StatusText(main_), c.status);
    HWND list = driver::Control(main_, IDC_ADDRESS_LIST);
    EXPECT_EQ(Ask(list, LVM_GETSELECTEDCOUNT), c.selected < 0 ? 0 : 1);
    EXPECT_EQ(Ask(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), c.selected);
    // Last: reading the rows selects them one by one.
    std::vector<std::string> rows;
    for (int row = 0; row < driver::ItemCount(main_, IDC_ADDRESS_LIST); ++row) rows.push_back(RowText(row));
    EXPECT_EQ(rows, c.rows);
  }
  driver::PressDialogButton(dialog, IDCANCEL);  // 閉じる, as Esc
  const DWORD start = GetTickCount();
  while (IsWindow(dialog) && GetTickCount() - start < kWaitMs) Sleep(50);
  EXPECT_FALSE(IsWindow(dialog)) << "閉じる left the dialog open";
}

TEST_F(ProgramResolveTest, CsvFileGetsTheQueryToolsBytes) {
  enum Encoding { kShiftJis, kUtf8, kUtf8WithBom };
  struct Case {
    const char* name;
    Encoding encoding;
    bool header;
    const char* apart;  // the report's line for rows set apart
  };
  const Case cases[] = {
      {"sjis_header.csv", kShiftJis, true, nullptr},
      {"sjis.csv", kShiftJis, false, nullptr},
      {"utf8_header.csv", kUtf8WithBom, true, nullptr},
      {"utf8.csv", kUtf8, false, nullptr},
      {"utf8_one_sjis_row.csv", kUtf8, true, "　うち UTF-8 でない行: 1（3 行目。住所を読んでいません）\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A few hundred offices from all over the country.
    std::string cp932 = c.header ? "名称,住所,郵便番号\r\n" : "";
    for (size_t i = 0; i < offices_->size(); i += 75) cp932 += (*offices_)[i];
    std::string bytes = c.encoding == kShiftJis ? cp932
                        : c.encoding == kUtf8   ? driver::Cp932ToUtf8(cp932)
                                                : "\xEF\xBB\xBF" + driver::Cp932ToUtf8(cp932);
    // A row typed in another program, its address in Shift-JIS.
    if (c.apart != nullptr) bytes.insert(bytes.find("\r\n", bytes.find("\r\n") + 2) + 2, (*offices_)[0]);
    dir_->Write(c.name, bytes);

    ASSERT_TRUE(ChooseCsvFile(dir_->File(c.name)));
    HWND columns = Dialog("CSV ファイルに郵便番号を付ける");
    ASSERT_NE(columns, nullptr) << "no columns dialog";
    EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_ADDRESS_COLUMN), LB_GETCURSEL), 1) << "address column";
    EXPECT_EQ(Ask(driver::Control(columns, IDC_CSV_CODE_COLUMN), LB_GETCURSEL), 3) << "code column (0 is none)";
    EXPECT_EQ(driver::IsChecked(columns, IDC_CSV_HEADER), c.header);
    driver::PressDialogButton(columns);

    HWND report = Dialog("報告");
    ASSERT_NE(report, nullptr) << "no report";
    const std::string output = std::string(c.name, std::strlen(c.name) - 4) + "_郵便番号.csv";
    const std::string text = driver::MessageBoxText(report);
    const std::string end = "書き出したファイル:\n" + dir_->File(output);
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), end.size())), end) << text;
    if (c.apart != nullptr) {
      EXPECT_NE(text.find(c.apart), std::string::npos) << text;
    }
    driver::PressDialogButton(report);
    ASSERT_TRUE(dir_->Has(output));
    EXPECT_TRUE(dir_->Read(c.name) == bytes) << "the input changed";
    EXPECT_TRUE(dir_->Read(output) == QueryToolOutput(dir_->File(c.name), c.header))
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
  driver::PressDialogButton(progress, IDCANCEL);
  const DWORD start = GetTickCount();
  while (IsWindow(progress) && GetTickCount() - start < kWaitMs) Sleep(50);
  ASSERT_FALSE(IsWindow(progress)) << "Cancel left the progress open";
  ASSERT_TRUE(driver::WaitIdle(main_, kWaitMs));

  EXPECT_EQ(driver::WaitMessageBox(program_->Id(), "報告", 0), nullptr) << "a report after Cancel";
  EXPECT_EQ(FilesIn(*dir_), before) << "a file appeared or went";
  EXPECT_TRUE(dir_->Read("many.csv") == bytes) << "the input changed";
}

TEST_F(ProgramResolveTest, RefusedFileIsReportedAndNothingWritten) {
  const std::string quote = " 行目で始まる行の引用符 (\") が閉じていません。\n何も書き出していません。";
  struct Case {
    const char* name;
    const char* bytes;
    std::string report;  // after the file's path
  };
  const Case cases[] = {
      {"quote_later.csv", "名前,住所\r\nA,東京都港区赤坂\r\nB,\"北海道札幌市中央区\r\nC,東京都千代田区\r\n",
       " の 3" + quote},
      {"quote_first.csv", "\"名前,住所\r\nA,東京都港区赤坂\r\n", " の 1" + quote},
      {"not_text.csv", "名前,住所\r\nA,\x80\x80\r\n",
       " の 2 行目は UTF-8 でも Shift-JIS でもありません。\n何も書き出していません。"},
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

}  // namespace
