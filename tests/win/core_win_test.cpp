// The core as the Windows program runs it: Win32 file access, the start-up
// decision and a search over real files, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "encoding/cp932_encode.h"
#include "datafiles/file_access.h"
#include "datafiles/file_set.h"
#include "datafiles/index_build.h"
#include "datafiles/index_load.h"
#include "datafiles/startup_check.h"
#include "postal/address_search.h"
#include "tests/common/win_temp_dir.h"

namespace {

using test_lines::TempDir;

void SetWriteTime(const std::string& path, WORD year, WORD month, WORD day) {
  SYSTEMTIME local = {};
  local.wYear = year;
  local.wMonth = month;
  local.wDay = day;
  local.wHour = 12;
  FILETIME localTime, utc;
  SystemTimeToFileTime(&local, &localTime);
  LocalFileTimeToFileTime(&localTime, &utc);
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, h);
  SetFileTime(h, nullptr, nullptr, &utc);
  CloseHandle(h);
}

}  // namespace

TEST(WindowsFileAccess, DatesExistenceAndReplacingWrites) {
  TempDir dir;
  const std::string file = dir.path() + "Ken_all.csv";
  EXPECT_FALSE(datafiles::FileExists(file));
  EXPECT_EQ("", datafiles::FileDate(file));
  EXPECT_FALSE(datafiles::FileExists(file)) << "reading a date creates nothing";

  ASSERT_TRUE(datafiles::WriteFileReplacing(file, "old"));
  ASSERT_TRUE(datafiles::WriteFileReplacing(file, "new"));
  std::string bytes;
  ASSERT_TRUE(datafiles::ReadSmallFile(file, bytes));
  EXPECT_EQ("new", bytes);
  EXPECT_FALSE(datafiles::FileExists(file + ".tmp"));
  EXPECT_FALSE(datafiles::WriteFileReplacing(dir.path() + "missing\\h_ken.dat", "x"));

  SetWriteTime(file, 2004, 4, 28);
  EXPECT_EQ("04/28/2004", datafiles::FileDate(file));
  EXPECT_TRUE(datafiles::FileExists(dir.path().substr(0, dir.path().size() - 1))) << "a directory counts";
  // Windows matches names without regard to case.
  EXPECT_TRUE(datafiles::FileExists(dir.path() + "KEN_ALL.CSV"));
}

TEST(WindowsFileAccess, StartupDecisionFollowsTheStoredDate) {
  TempDir dir;
  const datafiles::FileSet files = datafiles::MakeFileSet(dir.path());
  EXPECT_TRUE(datafiles::PlanStartup(files, "").addressFileMissing);
  ASSERT_TRUE(datafiles::WriteFileReplacing(files.addressFile, ""));
  SetWriteTime(files.addressFile, 2026, 4, 27);
  datafiles::StartupPlan plan = datafiles::PlanStartup(files, "");
  EXPECT_EQ("04/27/2026", plan.currentDate);
  EXPECT_TRUE(plan.buildCityList && plan.buildPrefectureRanges && plan.buildNumberRanges);
  for (const std::string* p : {&files.cityList, &files.prefectureRanges, &files.newNumberRanges,
                               &files.oldNumberRanges}) {
    ASSERT_TRUE(datafiles::WriteFileReplacing(*p, "x"));
  }
  plan = datafiles::PlanStartup(files, "04/27/2026");
  EXPECT_FALSE(plan.buildCityList || plan.buildPrefectureRanges || plan.buildNumberRanges);
}

TEST(WindowsFileAccess, ProgramDirectoryOfTheRunningTest) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, sizeof module);
  const std::string dir = datafiles::ProgramDirectory(module);
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ('\\', dir.back());
  EXPECT_TRUE(datafiles::FileExists(dir + "core_win_test.exe"));
}

TEST(WindowsCore, SearchesTheRealAddressFile) {
  const std::string source = std::string(KURANTO_SHARED_DATA) + "\\KEN_ALL.CSV";
  if (!datafiles::FileExists(source)) GTEST_SKIP() << "no ../shared/data/KEN_ALL.CSV here";
  TempDir dir;
  const datafiles::FileSet files = datafiles::MakeFileSet(dir.path());
  ASSERT_TRUE(CopyFileA(source.c_str(), files.addressFile.c_str(), FALSE));
  const datafiles::BuildProgress none;
  ASSERT_TRUE(datafiles::WriteFileReplacing(files.prefectureRanges, datafiles::BuildPrefectureRanges(files.addressFile, none)));
  const datafiles::NumberRangeFiles numbers = datafiles::BuildNumberRanges(files.addressFile, none);
  ASSERT_TRUE(datafiles::WriteFileReplacing(files.newNumberRanges, numbers.newNumbers));
  ASSERT_TRUE(datafiles::WriteFileReplacing(files.oldNumberRanges, numbers.oldNumbers));
  postal::IndexTables tables;
  datafiles::LoadIndexTables(files, datafiles::HeldIndexFiles{}, tables);
  EXPECT_STREQ("北海道", tables.prefectures[0].name);

  postal::SearchForm form;
  form.mode = postal::SearchMode::kNumber;
  form.kind = postal::kNewNumber;
  form.number = "107-0052";
  postal::AddressRows rows;
  EXPECT_EQ(nullptr, postal::SearchAddresses(files.addressFile, tables, form, rows));
  ASSERT_EQ(1, rows.Count());
  EXPECT_STREQ("港区", rows.At(0)->city);
  EXPECT_EQ(0, std::string(rows.At(0)->town).find("赤坂"));
}

// Our cp932 table writes what Windows writes, except the JIS forms Windows
// leaves out (KEN_ALL.CSV holds them as 0x817C, 0x8160 ...) and the 0x80 and
// user-defined codes we leave out. A character held twice gets Windows' code.
TEST(WindowsCore, Cp932TableWritesWhatWindowsWrites) {
  const unsigned jisForms[] = {0x00A2, 0x00A3, 0x00AC, 0x2014, 0x2016, 0x2212, 0x301C};
  int same = 0;
  for (unsigned cp = 0; cp <= 0xFFFF; ++cp) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    std::string ours;
    const bool written = encoding::AppendCp932(cp, ours);
    const wchar_t wide = static_cast<wchar_t>(cp);
    char bytes[8];
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof bytes, nullptr, &defaulted);
    const bool windows = length > 0 && !defaulted;
    bool jisForm = false;
    for (unsigned j : jisForms) jisForm = jisForm || j == cp;
    if (jisForm) {
      EXPECT_TRUE(written && !windows) << std::hex << cp;
    } else if (cp == 0x80 || (cp >= 0xE000 && cp <= 0xF8FF)) {
      EXPECT_FALSE(written) << std::hex << cp;
    } else {
      ASSERT_EQ(windows, written) << std::hex << cp;
      if (written) {
        EXPECT_EQ(std::string(bytes, static_cast<size_t>(length)), ours) << std::hex << cp;
      }
      same += written;
    }
  }
  EXPECT_EQ(7333 - 7 + 128 + 63, same);
}
