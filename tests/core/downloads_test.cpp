// Japan Post's zips used as they come: extraction, the newest source wins,
// damaged or hostile zips refused with nothing written, the folder lock.
// The zips are made by Python's zipfile, as Japan Post's are (deflate, one
// entry). Plain literals here are cp932; u8 literals UTF-8.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "datafiles/download_texts.h"
#include "datafiles/downloads.h"
#include "datafiles/file_access.h"
#include "datafiles/folder_lock.h"
#include "datafiles/utf8_import.h"
#include "datafiles/zip_reader.h"
#include "tests/core/test_support.h"

using namespace datafiles;
using testing_support::Exists;
using testing_support::ReadFile;
using testing_support::RunProgram;
using testing_support::RunQueryTool;
using testing_support::SetFileTime;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const char kUtf8Line[] =
    u8"13103,\"107  \",\"1070052\",\"トウキョウト\",\"ミナトク\",\"アカサカ\",\"東京都\",\"港区\",\"赤坂\",0,0,1,0,0,0\r\n";
const char kOfficeLine[] =
    "13103,\"ｶﾌﾞｼｷｶﾞｲｼｬ ｸﾗﾝﾄ\",\"株式会社クラント\",\"東京都\",\"港区\",\"赤坂\",\"１－１\",\"1078799\",\"107  \",\"赤坂\",0,0,0\r\n";

std::string AddressCsv() { return testing_support::CrLfLines(test_lines::SampleAddressLines(true)); }

// Local time, as zip dates are.
int64_t LocalSeconds(int year, int month, int day) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&t));
}

std::string ZipDate(int year, int month, int day) {
  return std::to_string(year) + "," + std::to_string(month) + "," + std::to_string(day) + ",0,0,0";
}

// Writes `bytes` to a scratch file and zips it as `entry` with `options`
// (see make_zip.py).
void MakeZip(const std::string& zip, const std::string& entry, const std::string& bytes,
             std::vector<std::string> options = {}) {
  const std::string body = zip + ".body";
  WriteFile(body, bytes);
  std::vector<std::string> argv{KURANTO_PYTHON, std::string(KURANTO_SOURCE_DIR) + "/tests/core/make_zip.py", zip};
  if (!entry.empty()) argv.insert(argv.end(), {"--entry", entry, "--source", body});
  argv.insert(argv.end(), options.begin(), options.end());
  const auto r = RunProgram(argv);
  ASSERT_EQ(0, r.exitCode) << r.err;
  std::remove(body.c_str());
}

std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

int64_t WriteTime(const std::string& path) {
  int64_t seconds = -1;
  FileWriteTime(path, seconds);
  return seconds;
}

}  // namespace

TEST(ZipReader, EntryNamesThatLeaveTheFolder) {
  const struct {
    const char* name;
    bool safe;
  } cases[] = {
      {"KEN_ALL.CSV", true},        {"ken/KEN_ALL.CSV", true},    {"a..b.csv", true},
      {"../Ken_all.csv", false},    {"..\\Ken_all.csv", false},   {"ken/../../x.csv", false},
      {"/etc/Ken_all.csv", false},  {"\\Ken_all.csv", false},     {"C:Ken_all.csv", false},
      {"c:\\Ken_all.csv", false},   {"..", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.safe, IsSafeEntryName(c.name)) << c.name;
}

TEST(Downloads, EachZipExtractedByteForByteAndOnlyOnce) {
  TempDir dir;
  const std::string office = std::string(kOfficeLine) + kOfficeLine;
  MakeZip(dir.File("Ken_All.Zip"), "KEN_ALL.CSV", AddressCsv(), {"--date", ZipDate(2026, 4, 27)});
  MakeZip(dir.File("JIGYOSYO.ZIP"), "JIGYOSYO.CSV", office, {"--date", ZipDate(2026, 4, 28)});
  const FileSet files = MakeFileSet(dir.path());

  std::vector<Extraction> plan = PlanExtractions(files);
  ASSERT_EQ(2u, plan.size());
  EXPECT_EQ(SourceKind::kAddressZip, plan[0].kind);
  EXPECT_EQ(LocalSeconds(2026, 4, 27), plan[0].sourceTime);
  EXPECT_EQ(SourceKind::kOfficeZip, plan[1].kind);
  int last = -1;
  for (const Extraction& e : plan) {
    const ExtractionResult r = RunExtraction(e, [&](int position) {
      EXPECT_GE(position, 0);
      EXPECT_LE(position, kBuildProgressMax);
      last = position;
    });
    EXPECT_TRUE(r.done) << r.message;
  }
  EXPECT_EQ(kBuildProgressMax, last);
  EXPECT_EQ(AddressCsv(), ReadFile(files.addressFile));
  EXPECT_EQ(office, ReadFile(files.officeFile));
  EXPECT_EQ(LocalSeconds(2026, 4, 27), WriteTime(files.addressFile)) << "dated as its source";
  EXPECT_TRUE(PlanExtractions(files).empty()) << "a second start extracts nothing";

  // The UTF-8 zip gives what the conversion gives, once it is the newest.
  std::string converted;
  ASSERT_EQ(ImportStatus::kDone, ConvertUtf8Edition(kUtf8Line, converted, {}).status);
  MakeZip(dir.File("utf_ken_all.zip"), "utf_ken_all.csv", kUtf8Line, {"--date", ZipDate(2026, 5, 29)});
  plan = PlanExtractions(files);
  ASSERT_EQ(1u, plan.size());
  EXPECT_EQ(SourceKind::kUtf8Zip, plan[0].kind);
  EXPECT_TRUE(RunExtraction(plan[0], {}).done);
  EXPECT_EQ(converted, ReadFile(files.addressFile));
  EXPECT_TRUE(PlanExtractions(files).empty());
}

TEST(Downloads, NewestSourceWinsOverAnOlderAddressFile) {
  const int64_t april = LocalSeconds(2026, 4, 27), may = LocalSeconds(2026, 5, 29), june = LocalSeconds(2026, 6, 30);
  const int64_t absent = 0;
  const struct {
    int64_t zip, utf8Zip, utf8Csv, addressFile;
    bool extracted;
    SourceKind kind;
    const char* what;
  } cases[] = {
      {may, absent, absent, absent, true, SourceKind::kAddressZip, "no address file yet"},
      {may, absent, absent, april, true, SourceKind::kAddressZip, "a newer zip"},
      {may, absent, absent, may, false, SourceKind::kAddressZip, "the address file as new as the zip"},
      {april, absent, may, june, false, SourceKind::kAddressZip, "the address file newest"},
      {april, absent, june, may, true, SourceKind::kUtf8Csv, "the UTF-8 edition newest, beside an address file"},
      {april, june, may, absent, true, SourceKind::kUtf8Zip, "the UTF-8 zip newest"},
      {june, may, april, absent, true, SourceKind::kAddressZip, "the zip newest"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const auto date = [](int64_t seconds) {
      const std::time_t t = static_cast<std::time_t>(seconds);
      std::tm local = *std::localtime(&t);
      return ZipDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    };
    if (c.zip != absent) MakeZip(dir.File("ken_all.zip"), "KEN_ALL.CSV", AddressCsv(), {"--date", date(c.zip)});
    if (c.utf8Zip != absent) {
      MakeZip(dir.File("UTF_KEN_ALL.ZIP"), "utf_ken_all.csv", kUtf8Line, {"--date", date(c.utf8Zip)});
    }
    if (c.utf8Csv != absent) {
      WriteFile(dir.File("utf_ken_all.csv"), kUtf8Line);
      SetFileTime(dir.File("utf_ken_all.csv"), c.utf8Csv);
    }
    if (c.addressFile != absent) {
      WriteFile(dir.File("Ken_all.csv"), "old");
      SetFileTime(dir.File("Ken_all.csv"), c.addressFile);
    }
    const std::vector<Extraction> plan = PlanExtractions(MakeFileSet(dir.path()));
    ASSERT_EQ(c.extracted ? 1u : 0u, plan.size()) << c.what;
    if (c.extracted) {
      EXPECT_EQ(c.kind, plan[0].kind) << c.what;
    }
  }
}

TEST(Downloads, DamagedOrHostileZipsRefusedWithNothingWritten) {
  const std::string csv = AddressCsv();
  const std::string prefix = std::string("ken_all.zip") + kCannotExtract;
  const struct {
    const char* what;
    const char* entry;
    std::vector<std::string> options;
    size_t keptBytes;  // 0: the whole zip; else it is cut there
    std::string message;
  } cases[] = {
      {"truncated", "KEN_ALL.CSV", {}, 200, prefix + kZipDamaged},
      {"a wrong CRC-32", "KEN_ALL.CSV", {"--bad-crc"}, 0, prefix + kZipBadCrc},
      {"a name climbing out with \\", "..\\Ken_all.csv", {}, 0, prefix + kZipUnsafeName + "..\\Ken_all.csv"},
      {"a name climbing out with /", "../Ken_all.csv", {}, 0, prefix + kZipUnsafeName + "../Ken_all.csv"},
      {"an empty zip", "", {}, 0, prefix + kZipNoCsv},
      {"no CSV inside", "readme.txt", {}, 0, prefix + kZipNoCsv},
      {"an encrypted entry", "KEN_ALL.CSV", {"--encrypted"}, 0, prefix + kZipEncrypted},
      {"1 KB declaring 150 MB", "KEN_ALL.CSV", {"--zeros", "1000000", "--declare-size", "150000000"}, 0,
       prefix + kZipTooLarge},
      {"more inflated than declared", "KEN_ALL.CSV", {"--zeros", "1000000", "--declare-size", "1000"}, 0,
       prefix + kZipTooLarge},
  };
  for (const auto& c : cases) {
    TempDir dir;
    MakeZip(dir.File("ken_all.zip"), c.entry, csv, c.options);
    if (c.keptBytes > 0) {
      const std::string whole = ReadFile(dir.File("ken_all.zip"));
      ASSERT_LT(c.keptBytes, whole.size());
      WriteFile(dir.File("ken_all.zip"), whole.substr(0, c.keptBytes));
    }
    const std::vector<Extraction> plan = PlanExtractions(MakeFileSet(dir.path()));
    ASSERT_EQ(1u, plan.size()) << c.what << ": a zip that cannot be read is still planned, to be refused";
    const ExtractionResult r = RunExtraction(plan[0], {});
    EXPECT_FALSE(r.done) << c.what;
    EXPECT_EQ(c.message, r.message) << c.what;
    EXPECT_EQ(std::vector<std::string>{"ken_all.zip"}, Listing(dir.path())) << c.what;
  }
}

TEST(QueryToolDownloads, ImportsEitherZipOrCsvAndRefusesABadZip) {
  TempDir source, dir;
  MakeZip(source.File("ken_all.zip"), "KEN_ALL.CSV", AddressCsv());
  MakeZip(source.File("jigyosyo.zip"), "JIGYOSYO.CSV", kOfficeLine);
  MakeZip(source.File("bad.zip"), "KEN_ALL.CSV", AddressCsv(), {"--bad-crc"});
  WriteFile(source.File("utf_ken_all.csv"), kUtf8Line);

  auto r = RunQueryTool({"--dir", dir.path(), "--cp932", "import", source.File("bad.zip")});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ(std::string("bad.zip") + kCannotExtract + kZipBadCrc + "\n", r.err);
  EXPECT_FALSE(Exists(dir.File("Ken_all.csv")));

  r = RunQueryTool({"--dir", dir.path(), "--cp932", "import", source.File("ken_all.zip")});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_EQ(AddressCsv(), ReadFile(dir.File("Ken_all.csv")));
  EXPECT_TRUE(Exists(dir.File("h_newn.dat")));
  EXPECT_EQ(0, RunQueryTool({"--dir", dir.path(), "--cp932", "import", source.File("jigyosyo.zip")}).exitCode);
  EXPECT_EQ(kOfficeLine, ReadFile(dir.File("Jigyosyo.csv")));
  EXPECT_EQ(0, RunQueryTool({"--dir", dir.path(), "--cp932", "import", source.File("utf_ken_all.csv")}).exitCode);
  EXPECT_NE(std::string::npos, RunQueryTool({"--dir", dir.path(), "--cp932", "address", "new", "1070052"}).out.find("赤坂"));

  // A zip put beside the address file: the next command extracts it and
  // rebuilds, though the file it gives is dated back.
  TempDir beside;
  testing_support::CopyFile(source.File("ken_all.zip"), beside.File("ken_all.zip"));
  r = RunQueryTool({"--dir", beside.path(), "--cp932", "address", "new", "0600000"});
  EXPECT_EQ(0, r.exitCode) << r.err;
  EXPECT_NE(std::string::npos, r.out.find("0600000"));
  MakeZip(beside.File("ken_all.zip"), "KEN_ALL.CSV", AddressCsv(), {"--bad-crc", "--date", ZipDate(2026, 5, 29)});
  r = RunQueryTool({"--dir", beside.path(), "--cp932", "build"});
  EXPECT_EQ(1, r.exitCode);
  EXPECT_EQ(std::string("ken_all.zip") + kCannotExtract + kZipBadCrc + "\n", r.err);
}

TEST(FolderLock, OneProgramPerFolder) {
  TempDir dir;
  WriteFile(dir.File("Ken_all.csv"), AddressCsv());
  auto first = std::make_unique<FolderLock>(dir.path());
  ASSERT_TRUE(first->TryLock());
  FolderLock second(dir.path());
  EXPECT_FALSE(second.TryLock());
  EXPECT_FALSE(second.held());

  // The query tool waits for the lock before it builds, saying so.
  const std::string err = dir.File("err.txt");
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(fd, 2);
    ::execl(KURANTO_QUERY_TOOL, KURANTO_QUERY_TOOL, "--dir", dir.path().c_str(), "build", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  while (ReadFile(err).find("waiting") == std::string::npos) {
    int status;
    ASSERT_EQ(0, ::waitpid(pid, &status, WNOHANG)) << "the tool ended without waiting";
    ::usleep(10000);
  }
  EXPECT_FALSE(Exists(dir.File("h_newn.dat"))) << "nothing built while the lock is held";
  first.reset();
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(Exists(dir.File("h_newn.dat")));
  EXPECT_TRUE(second.TryLock());
}

TEST(RealDownloads, JapanPostFilesZippedGiveTheirBytes) {
  const std::string address = testing_support::SharedDataFile("KEN_ALL.CSV");
  const std::string office = testing_support::SharedDataFile("JIGYOSYO.CSV");
  const std::string utf8 = testing_support::SharedDataFile("utf_ken_all.csv");
  if (address.empty() || office.empty() || utf8.empty()) {
    GTEST_SKIP() << "SKIPPED: ../shared/data/{KEN_ALL.CSV,JIGYOSYO.CSV,utf_ken_all.csv} absent";
  }
  TempDir dir;
  const std::vector<std::string> files[] = {
      {"ken_all.zip", "KEN_ALL.CSV", address, ZipDate(2026, 4, 27)},
      {"jigyosyo.zip", "JIGYOSYO.CSV", office, ZipDate(2026, 4, 27)},
      {"utf_ken_all.zip", "utf_ken_all.csv", utf8, ZipDate(2026, 4, 28)},
  };
  for (const auto& f : files) MakeZip(dir.File(f[0]), f[1], ReadFile(f[2]), {"--date", f[3]});
  const FileSet set = MakeFileSet(dir.path());
  const std::vector<Extraction> plan = PlanExtractions(set);
  ASSERT_EQ(2u, plan.size());
  EXPECT_EQ(SourceKind::kUtf8Zip, plan[0].kind) << "the newer UTF-8 zip wins";
  for (const Extraction& e : plan) EXPECT_TRUE(RunExtraction(e, {}).done);
  std::string converted;
  ASSERT_EQ(ImportStatus::kDone, ConvertUtf8Edition(ReadFile(utf8), converted, {}).status);
  EXPECT_TRUE(converted == ReadFile(set.addressFile));
  EXPECT_TRUE(ReadFile(office) == ReadFile(set.officeFile));

  // The Shift-JIS zip, made newer, gives KEN_ALL.CSV itself.
  MakeZip(dir.File("ken_all.zip"), "KEN_ALL.CSV", ReadFile(address), {"--date", ZipDate(2026, 4, 29)});
  const std::vector<Extraction> again = PlanExtractions(set);
  ASSERT_EQ(1u, again.size());
  EXPECT_TRUE(RunExtraction(again[0], {}).done);
  EXPECT_TRUE(ReadFile(address) == ReadFile(set.addressFile));
}
