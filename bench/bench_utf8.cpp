// Converting Japan Post's UTF-8 edition, as the program does at its start.
#include <cstdio>
#include <string>

#include "bench/bench_support.h"
#include "datafiles/file_access.h"
#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"

namespace bench {

void RunUtf8ImportBenchmark(const std::string& dataDir, int runs) {
  const std::string path = dataDir + "/" + datafiles::kUtf8EditionName;
  std::string utf8;
  if (!datafiles::ReadSmallFile(path, utf8)) {
    std::printf("no %s: UTF-8 edition benchmark skipped\n", datafiles::kUtf8EditionName);
    return;
  }
  std::string cp932;
  const double convert = MedianMs(runs, [&] { datafiles::ConvertUtf8Edition(utf8, cp932, {}); });
  std::printf("convert the UTF-8 edition in memory: %.1f ms (%zu bytes to %zu)\n", convert, utf8.size(),
              cp932.size());
  const double recognise = MedianMs(runs, [&] { datafiles::IsUtf8EditionFile(path); });
  std::printf("recognise the UTF-8 edition from its first lines: %.3f ms\n", recognise);
}

}  // namespace bench
