#include <gtest/gtest.h>

#include "datafiles/file_access.h"
#include "datafiles/file_set.h"
#include "datafiles/startup_check.h"
#include "tests/core/test_support.h"

using namespace datafiles;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

void WriteIndexFiles(const FileSet& f) {
  for (const std::string* p : {&f.cityList, &f.prefectureRanges, &f.newNumberRanges, &f.oldNumberRanges}) {
    WriteFile(*p, "x");
  }
}

}  // namespace

TEST(PathSetup, DirectoryOfTheProgramKeepsDoubleByteNames) {
  struct Case {
    const char* program;
    const char* directory;
  } cases[] = {{"C:\\Tools\\app.exe", "C:\\Tools\\"},
               {"C:\\表\\kuranto.exe", "C:\\表\\"},
               {"C:\\ソフト\\表\\kuranto.exe", "C:\\ソフト\\表\\"},
               {"D:/tools/kuranto.exe", "D:/tools\\"}};
  for (const Case& c : cases) EXPECT_EQ(c.directory, ProgramDirectory(c.program)) << c.program;
  const FileSet f = MakeFileSet("C:\\表\\");
  EXPECT_EQ("C:\\表\\Ken_all.csv", f.addressFile);
  EXPECT_EQ("C:\\表\\h_oldn.dat", f.oldNumberRanges);
  EXPECT_EQ("C:\\表\\telnum.dat", f.areaCodes);
}

TEST(StartupCheck, DecidesWhichBuildsRun) {
  TempDir dir;
  const FileSet f = MakeFileSet(dir.path());
  EXPECT_TRUE(PlanStartup(f, "").addressFileMissing);
  EXPECT_FALSE(FileExists(f.cityList)) << "the check creates nothing";

  WriteFile(f.addressFile, "");
  testing_support::SetFileTime(f.addressFile, 1777291200);  // 2026-04-27 12:00 UTC
  const std::string date = FileDate(f.addressFile);
  ASSERT_EQ(10u, date.size());
  EXPECT_EQ("/2026", date.substr(5));

  // First start: nothing stored, every build runs even with the files there.
  WriteIndexFiles(f);
  StartupPlan plan = PlanStartup(f, "");
  EXPECT_TRUE(plan.buildCityList && plan.buildPrefectureRanges && plan.buildNumberRanges);
  EXPECT_EQ(date, plan.currentDate);

  plan = PlanStartup(f, date);
  EXPECT_FALSE(plan.buildCityList || plan.buildPrefectureRanges || plan.buildNumberRanges);

  std::remove(f.oldNumberRanges.c_str());
  plan = PlanStartup(f, date);
  EXPECT_FALSE(plan.buildCityList || plan.buildPrefectureRanges);
  EXPECT_TRUE(plan.buildNumberRanges);

  WriteIndexFiles(f);
  std::remove(f.cityList.c_str());
  plan = PlanStartup(f, date);
  EXPECT_TRUE(plan.buildCityList);
  EXPECT_FALSE(plan.buildPrefectureRanges || plan.buildNumberRanges);

  // Touched to another day: everything again.
  WriteIndexFiles(f);
  testing_support::SetFileTime(f.addressFile, 1777291200 + 3 * 86400);
  plan = PlanStartup(f, date);
  EXPECT_TRUE(plan.buildCityList && plan.buildPrefectureRanges && plan.buildNumberRanges);
}

TEST(StartupCheck, FreshnessComparesDatesIgnoringCaseAndNeverEmpty) {
  EXPECT_TRUE(IsDataFresh("04/27/2026", "04/27/2026"));
  EXPECT_FALSE(IsDataFresh("04/27/2026", "04/28/2026"));
  EXPECT_FALSE(IsDataFresh("", "")) << "an unreadable date is stale";
  EXPECT_TRUE(IsDataFresh("Ab", "aB"));
}

TEST(StartupCheck, ByFileTimesBuildsWhatIsMissingOrOlder) {
  TempDir dir;
  const FileSet f = MakeFileSet(dir.path());
  WriteFile(f.addressFile, "");
  testing_support::SetFileTime(f.addressFile, 2000000);
  WriteIndexFiles(f);
  for (const std::string* p : {&f.cityList, &f.prefectureRanges, &f.newNumberRanges, &f.oldNumberRanges}) {
    testing_support::SetFileTime(*p, 2000000);
  }
  StartupPlan plan = PlanStartupByFileTimes(f);
  EXPECT_FALSE(plan.buildCityList || plan.buildPrefectureRanges || plan.buildNumberRanges);
  testing_support::SetFileTime(f.prefectureRanges, 1999999);
  plan = PlanStartupByFileTimes(f);
  EXPECT_TRUE(plan.buildPrefectureRanges);
  EXPECT_FALSE(plan.buildCityList || plan.buildNumberRanges);
}
