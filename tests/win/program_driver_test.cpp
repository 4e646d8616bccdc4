// kuranto.exe driven from outside through its window, as a user would:
// searches through the form controls, the status text, the exit, and the
// start without address data.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

namespace {

constexpr DWORD kStartMs = 60000;
constexpr DWORD kSearchMs = 30000;
constexpr DWORD kExitMs = 20000;
const char kRegistryKey[] = "Software\\Ostrel\\Kuranto";

#ifdef KURANTO_EXE
const char kProgram[] = KURANTO_EXE;
#else
const char kProgram[] = "";
#endif

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string SamplePath(const char* name) {
  return std::string(KURANTO_SAMPLE_DATA) + "/" + name;
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found = {};
  HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// Column k (1-based) of a published-format line, without its quotes.
std::string Column(const std::string& line, int k) {
  std::stringstream in(line);
  std::string field;
  for (int i = 0; i < k && std::getline(in, field, ','); ++i) {
  }
  if (field.size() >= 2 && field.front() == '"') field = field.substr(1, field.size() - 2);
  return field;
}

// Lines of a sample file whose column begins with prefix: the count the
// program's number search must report, found here by a plain scan.
int CountLines(const char* file, int column, const std::string& prefix) {
  std::ifstream in(SamplePath(file), std::ios::binary);
  int n = 0;
  for (std::string line; std::getline(in, line);)
    if (Column(line, column).compare(0, prefix.size(), prefix) == 0) ++n;
  return n;
}

std::string FoundText(int n) {
  char text[64];
  snprintf(text, sizeof text, "%d 件見つかりました。", n);
  return text;
}

class ProgramDriverTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!kProgram[0] || !FileExists(kProgram))
      GTEST_SKIP() << "kuranto.exe is not built (app/ has no kuranto target yet); skipping the driver tests";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);  // every test starts as a first start
    dir_ = std::string(temp) + "kuranto_driver_" + std::to_string(GetCurrentProcessId()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(dir_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(kProgram, Path("kuranto.exe").c_str(), FALSE)) << "cannot copy " << kProgram;
  }

  void TearDown() override {
    program_.Kill();
    for (const std::string& name : FilesIn(dir_)) DeleteFileA(Path(name).c_str());
    if (!dir_.empty()) RemoveDirectoryA(dir_.c_str());
  }

  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

  void CopyData() {
    ASSERT_TRUE(CopyFileA(SamplePath("Ken_all.csv").c_str(), Path("Ken_all.csv").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(SamplePath("Jigyosyo.csv").c_str(), Path("Jigyosyo.csv").c_str(), FALSE));
    const std::string data = KURANTO_DATA_DIR;
    for (const char* name : {"kuranto.ini", "telnum.dat"})
      CopyFileA((data + "/" + name).c_str(), Path(name).c_str(), FALSE);
  }

  HWND StartProgram() {
    if (!program_.Start(Path("kuranto.exe"), dir_)) return nullptr;
    return driver::WaitMainWindow(program_.Id(), kStartMs);
  }

  // Number search as typed: the 番号 radio button, the kind, the text, 検索開始.
  void SearchNumber(HWND main, int kind, const std::string& number) {
    ASSERT_TRUE(driver::ClickButton(main, IDC_RADIO_NUMBER, kSearchMs));
    // Choosing a kind empties the number box, so the text comes after it.
    ASSERT_TRUE(driver::SelectComboIndex(main, IDC_NUMBER_KIND, kind));
    ASSERT_TRUE(driver::SetControlText(main, IDC_NUMBER, number));
    ASSERT_TRUE(driver::ClickButton(main, IDC_SEARCH, kSearchMs));
  }

  void CloseAndExpectExit(HWND main) {
    ASSERT_TRUE(driver::CloseMainWindow(main, kExitMs));
    DWORD code = 1;
    ASSERT_TRUE(program_.WaitExit(kExitMs, &code)) << "the program did not end after its window closed";
    EXPECT_EQ(code, 0u);
  }

  std::string dir_;
  driver::Program program_;
};

TEST_F(ProgramDriverTest, AddressNumberSearchesReportTheirCount) {
  CopyData();
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr) << "no visible main window \"クラント\"";
  ASSERT_EQ(driver::SelectedTab(main), 0);

  struct Case {
    int kind;
    const char* number;
    int column;  // of Ken_all.csv holding the key
    const char* prefix;
  };
  const Case cases[] = {
      {1, "1070052", 3, "1070052"},
      {1, "107-0052", 3, "1070052"},
      {1, "107", 3, "107"},
      {1, "99", 3, "99"},  // nothing in the sample begins with 99
      {0, "107", 2, "107"},
      {0, "06102", 2, "06102"},
      {2, "13103", 1, "13103"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("kind ") + std::to_string(c.kind) + " number " + c.number);
    SearchNumber(main, c.kind, c.number);
    const int expected = CountLines("Ken_all.csv", c.column, c.prefix);
    EXPECT_EQ(driver::StatusText(main), FoundText(expected));
    EXPECT_EQ(driver::ItemCount(main, IDC_ADDRESS_LIST), expected);
    EXPECT_TRUE(driver::IsEnabled(main, IDC_NUMBER));
    EXPECT_FALSE(driver::IsEnabled(main, IDC_TOWN));
  }
  EXPECT_EQ(CountLines("Ken_all.csv", 3, "1070052"), 1);
  CloseAndExpectExit(main);
  // The saved lists are rewritten at every exit.
  EXPECT_TRUE(FileExists(Path("d_joken.dat")));
  EXPECT_TRUE(FileExists(Path("kiroku.txt")));
}

TEST_F(ProgramDriverTest, TooShortNumberIsRefusedWithAMessage) {
  CopyData();
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(driver::ClickButton(main, IDC_RADIO_NUMBER, kSearchMs));
  ASSERT_TRUE(driver::SelectComboIndex(main, IDC_NUMBER_KIND, 1));
  ASSERT_TRUE(driver::SetControlText(main, IDC_NUMBER, "1"));
  // The refusal's message box holds the click until it is answered.
  driver::ClickButton(main, IDC_SEARCH, 500);
  HWND box = driver::WaitMessageBox(program_.Id(), "確認", kSearchMs);
  ASSERT_NE(box, nullptr) << "no message box \"確認\"";
  EXPECT_EQ(driver::MessageBoxText(box), "2文字以上入力してください。");
  ASSERT_TRUE(driver::PressDialogButton(box));
  ASSERT_TRUE(driver::WaitIdle(main, kSearchMs));
  EXPECT_EQ(driver::StatusText(main), FoundText(0));
  EXPECT_EQ(driver::ItemCount(main, IDC_ADDRESS_LIST), 0);
  CloseAndExpectExit(main);
}

TEST_F(ProgramDriverTest, OfficeTabSearchesTheOfficeFile) {
  CopyData();
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(driver::SelectTab(main, 1));
  EXPECT_TRUE(driver::IsVisible(main, IDC_OFFICE_LIST));
  EXPECT_FALSE(driver::IsVisible(main, IDC_ADDRESS_LIST));
  EXPECT_EQ(driver::ControlText(main, IDC_RADIO_FUZZY), "大口客先名");

  SearchNumber(main, 1, "100");
  const int expected = CountLines("Jigyosyo.csv", 8, "100");
  EXPECT_GT(expected, 0);
  EXPECT_EQ(driver::StatusText(main), FoundText(expected));
  EXPECT_EQ(driver::ItemCount(main, IDC_OFFICE_LIST), expected);

  ASSERT_TRUE(driver::SelectTab(main, 0));
  EXPECT_EQ(driver::ControlText(main, IDC_RADIO_FUZZY), "あいまい");
  EXPECT_TRUE(driver::IsVisible(main, IDC_ADDRESS_LIST));
  CloseAndExpectExit(main);
}

TEST_F(ProgramDriverTest, MissingAddressDataEndsAfterTheReport) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);
  ASSERT_TRUE(program_.Start(Path("kuranto.exe"), dir_));
  HWND box = driver::WaitMessageBox(program_.Id(), "報告", kStartMs);
  ASSERT_NE(box, nullptr) << "no message box \"報告\"";
  EXPECT_EQ(driver::MessageBoxText(box), "住所データがありません");
  ASSERT_TRUE(driver::PressDialogButton(box));
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(kExitMs, &code)) << "the program did not end after OK";

  EXPECT_EQ(FilesIn(dir_), std::vector<std::string>{"kuranto.exe"});
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kRegistryKey, 0, KEY_READ, &key), ERROR_SUCCESS)
      << "settings were written";
  if (key) RegCloseKey(key);
}

}  // namespace
