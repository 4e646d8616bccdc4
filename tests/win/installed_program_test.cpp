// The program folder unpacked from the package, used as a user would: the
// two programs name themselves in their version resources, and kuranto.exe
// started there with the sample data searches and shows its About box.
// Run by package_test.sh, which names the folder in KURANTO_INSTALLED.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

namespace {

constexpr DWORD kStartMs = 60000;
constexpr DWORD kWaitMs = 30000;

std::string Installed() {
  const char* dir = std::getenv("KURANTO_INSTALLED");
  return dir != nullptr ? dir : "";
}

std::string InstalledFile(const char* name) { return Installed() + "\\" + name; }

std::string VersionString(const std::string& file, const char* name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return "(no version resource)";
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return "(unreadable)";
  char* value = nullptr;
  UINT length = 0;
  const std::string path = std::string("\\StringFileInfo\\041104B0\\") + name;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || value == nullptr)
    return "(missing " + path + ")";
  return value;
}

// Lines of the sample address file whose new number begins with `prefix`.
int SampleLinesWithNewNumber(const std::string& prefix) {
  std::ifstream in(std::string(KURANTO_SAMPLE_DATA) + "/Ken_all.csv", std::ios::binary);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    const size_t first = line.find(",\"");
    const size_t second = first == std::string::npos ? first : line.find(",\"", first + 2);
    if (second != std::string::npos && line.compare(second + 2, prefix.size(), prefix) == 0) ++count;
  }
  return count;
}

class InstalledProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Installed().empty()) GTEST_SKIP() << "KURANTO_INSTALLED is not set (package_test.sh runs this)";
  }
  void TearDown() override { program_.Kill(); }
  driver::Program program_;
};

TEST_F(InstalledProgramTest, BothProgramsCarryTheirVersion) {
  for (const char* exe : {"kuranto.exe", "keysweep.exe"}) {
    SCOPED_TRACE(exe);
    const std::string file = InstalledFile(exe);
    EXPECT_EQ("クラント", VersionString(file, "ProductName"));
    EXPECT_EQ("1.33", VersionString(file, "FileVersion"));
    EXPECT_EQ("1.33", VersionString(file, "ProductVersion"));
    EXPECT_EQ(exe, VersionString(file, "OriginalFilename"));
  }
}

TEST_F(InstalledProgramTest, StartsWithTheSampleDataSearchesAndShowsItsAboutBox) {
  for (const char* name : {"Ken_all.csv", "Jigyosyo.csv"}) {
    ASSERT_TRUE(CopyFileA((std::string(KURANTO_SAMPLE_DATA) + "/" + name).c_str(), InstalledFile(name).c_str(), FALSE));
  }
  ASSERT_TRUE(program_.Start(InstalledFile("kuranto.exe"), Installed()));
  HWND main = driver::WaitMainWindow(program_.Id(), kStartMs);
  ASSERT_NE(nullptr, main) << "no main window";

  ASSERT_TRUE(driver::ClickButton(main, IDC_RADIO_NUMBER, kWaitMs));
  ASSERT_TRUE(driver::SelectComboIndex(main, IDC_NUMBER_KIND, 1));
  ASSERT_TRUE(driver::SetControlText(main, IDC_NUMBER, "107"));
  ASSERT_TRUE(driver::ClickButton(main, IDC_SEARCH, kWaitMs));
  const int expected = SampleLinesWithNewNumber("107");
  EXPECT_GT(expected, 0);
  EXPECT_EQ(std::to_string(expected) + " 件見つかりました。", driver::StatusText(main));
  EXPECT_EQ(expected, driver::ItemCount(main, IDC_ADDRESS_LIST));

  // ヘルプ → バージョン情報, as the menu sends it.
  PostMessageA(main, WM_COMMAND, IDM_ABOUT, 0);
  HWND about = driver::WaitMessageBox(program_.Id(), "バージョン情報", kWaitMs);
  ASSERT_NE(nullptr, about) << "no About box";
  char user[256] = {};
  DWORD size = sizeof user;
  GetUserNameA(user, &size);
  char line[256] = {};
  SendMessageA(GetDlgItem(about, IDC_ABOUT_USER), WM_GETTEXT, sizeof line, reinterpret_cast<LPARAM>(line));
  EXPECT_EQ(std::string("使用者 : ") + user, line);
  EXPECT_EQ("クラント Version 1.33", driver::MessageBoxText(about));
  ASSERT_TRUE(driver::PressDialogButton(about, IDOK));
  for (DWORD waited = 0; IsWindow(about) && waited < kWaitMs; waited += 50) Sleep(50);
  EXPECT_FALSE(IsWindow(about)) << "OK closes the About box";

  ASSERT_TRUE(driver::CloseMainWindow(main, kWaitMs));
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(kWaitMs, &code));
  EXPECT_EQ(0u, code);
  for (const char* written : {"h_newn.dat", "shilist.txt", "d_joken.dat", "kiroku.txt"}) {
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(InstalledFile(written).c_str())) << written;
  }
}

}  // namespace
