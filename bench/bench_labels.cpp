// 10,000 labels on 12-label sheets through `kuranto-query labels` as a user
// runs it: the whole process timed, its peak memory read, the PDF's size a
// page. The list is made here from JIGYOSYO.CSV's offices (company, address,
// code; every other one with a person named), UTF-8 with a header.
//   kuranto-labels-bench [DATA_DIR]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/tool_run.h"
#include "datafiles/file_access.h"
#include "encoding/text_encoding.h"
#include "lists/csv_reader.h"

namespace {

constexpr size_t kLabels = 10000;
constexpr size_t kPerSheet = 12;

// Every other office, as UTF-8 rows: "COMPANY","NAME","ADDRESS",157-0062.
std::string MakeList(const std::string& jigyosyo) {
  std::string bytes, list = u8"会社名,氏名,住所,郵便番号\r\n";
  if (!datafiles::ReadSmallFile(jigyosyo, bytes)) return "";
  lists::CsvReader reader(bytes.data(), bytes.size());
  lists::CsvRow row;
  size_t rows = 0, seen = 0;
  while (rows < kLabels && reader.Next(row) == lists::CsvReader::kRow) {
    const std::vector<std::string>& c = row.cells;
    if (seen++ % 2 != 0 || c.size() < 8 || c[7].size() != 7) continue;
    std::string company, address;
    if (!encoding::Cp932ToUtf8(c[2], company) || !encoding::Cp932ToUtf8(c[3] + c[4] + c[5] + c[6], address)) continue;
    const std::string name = rows % 2 == 0 ? u8"山田 太郎" : "";
    list += "\"" + company + "\",\"" + name + "\",\"" + address + "\"," + c[7].substr(0, 3) + "-" + c[7].substr(3) + "\r\n";
    ++rows;
  }
  return rows == kLabels ? list : "";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dataDir = argc > 1 ? argv[1] : KURANTO_SHARED_DATA;
  const std::string list = MakeList(dataDir + "/JIGYOSYO.CSV");
  if (list.empty()) {
    std::fprintf(stderr, "kuranto-labels-bench: no JIGYOSYO.CSV with %zu offices in %s\n", kLabels, dataDir.c_str());
    return 1;
  }
  char pattern[] = "/tmp/kuranto-labels-bench-XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  const std::string dir = pattern;
  std::error_code error;
  std::filesystem::copy_file(dataDir + "/KEN_ALL.CSV", dir + "/Ken_all.csv", error);
  if (!error) std::filesystem::copy_file(dataDir + "/JIGYOSYO.CSV", dir + "/Jigyosyo.csv", error);
  datafiles::ReplacingFile file(dir + "/list.csv");
  int exitCode = 1;
  if (!error && file.Write(list.data(), list.size()) && file.Commit()) {
    const std::vector<std::string> args = {KURANTO_QUERY_TOOL, "--dir", dir, "labels", "--csv", dir + "/list.csv",
                                           "--header", "--company-column", "1", "--name-column", "2", "--column", "3",
                                           "--code-column", "4", "--stock", "a4-12", "--pdf", dir + "/labels.pdf"};
    bench::ToolRun r;
    if (bench::RunTool(args, r)) {
      const size_t pages = (kLabels + kPerSheet - 1) / kPerSheet;
      const auto bytes = std::filesystem::file_size(dir + "/labels.pdf", error);
      std::printf("labels, %zu on a4-12 (%zu pages), whole process: %.2f s (target < 10 s), peak memory %.1f MiB "
                  "(target < 200 MiB), processor time %.2f s; PDF %.1f MB, %.1f KB a page (target < 40 KB)\n",
                  kLabels, pages, r.seconds, r.peakKb / 1024.0, r.cpuSeconds, bytes / 1e6, bytes / 1e3 / pages);
      exitCode = 0;
    } else {
      std::fprintf(stderr, "kuranto-query labels failed\n");
    }
  }
  std::filesystem::remove_all(dir, error);
  return exitCode;
}
