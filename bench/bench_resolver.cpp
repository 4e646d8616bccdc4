// Times the resolver over Japan Post's real files: loading KEN_ALL.CSV,
// addresses a second over the business offices' addresses (and again with
// JIGYOSYO.CSV loaded beside it, with each office's code checked), and the peak
// memory of a run over 1 address against one over 100,000.
//   kuranto-resolver-bench [DATA_DIR]
//   kuranto-resolver-bench --rss N DATA_DIR   (one run, prints its peak memory)
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "resolver/address_parts.h"
#include "resolver/resolver.h"

namespace {

constexpr int kLoadRuns = 5;
constexpr size_t kAddresses = 100000;

double Ms(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

// User and system time of this process so far, split.
void CpuMs(double& user, double& system) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  user = usage.ru_utime.tv_sec * 1000.0 + usage.ru_utime.tv_usec / 1000.0;
  system = usage.ru_stime.tv_sec * 1000.0 + usage.ru_stime.tv_usec / 1000.0;
}

long PeakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;  // kilobytes on Linux
}

// One text of every office of the file, made of its columns (quotes removed).
std::vector<std::string> OfficeColumns(const std::string& path,
                                       std::string (*make)(const std::vector<std::string>& columns)) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> texts;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> columns;
    std::stringstream split(line);
    std::string column;
    while (std::getline(split, column, ',')) {
      if (column.size() >= 2 && column.front() == '"') column = column.substr(1, column.size() - 2);
      columns.push_back(column);
    }
    if (columns.size() >= 8) texts.push_back(make(columns));
  }
  return texts;
}

// Prefecture, city, town and lot of every office (columns 4 to 7), cp932.
std::vector<std::string> OfficeAddresses(const std::string& path) {
  return OfficeColumns(path, [](const std::vector<std::string>& c) { return c[3] + c[4] + c[5] + c[6]; });
}

// Every office's own code (column 8), in the same order.
std::vector<std::string> OfficeCodes(const std::string& path) {
  return OfficeColumns(path, [](const std::vector<std::string>& c) { return c[7]; });
}

bool LoadBook(const std::string& dataDir, resolver::AddressBook& book) {
  std::string error;
  if (book.Load(dataDir + "/KEN_ALL.CSV", error)) return true;
  std::fprintf(stderr, "kuranto-resolver-bench: %s\n", error.c_str());
  return false;
}

// One run: the book, then `count` office addresses; prints the peak in KiB.
int RssRun(size_t count, const std::string& dataDir) {
  resolver::AddressBook book;
  if (!LoadBook(dataDir, book)) return 1;
  const std::vector<std::string> offices = OfficeAddresses(dataDir + "/JIGYOSYO.CSV");
  if (offices.empty()) return 1;
  resolver::Resolver resolving(book);
  resolver::Resolution r;
  for (size_t i = 0; i < count; ++i) resolving.Resolve(offices[i % offices.size()], r);
  std::printf("%ld\n", PeakKb());
  return 0;
}

long ChildPeakKb(const char* self, size_t count, const std::string& dataDir) {
  const std::string command = std::string("'") + self + "' --rss " + std::to_string(count) + " '" + dataDir + "'";
  FILE* child = popen(command.c_str(), "r");
  if (child == nullptr) return -1;
  long kb = -1;
  if (std::fscanf(child, "%ld", &kb) != 1) kb = -1;
  pclose(child);
  return kb;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--rss") return RssRun(std::strtoul(argv[2], nullptr, 10), argv[3]);
  const std::string dataDir = argc > 1 ? argv[1] : KURANTO_SHARED_DATA;

  std::vector<double> loads;
  resolver::AddressBook book;
  double userBefore, systemBefore, userAfter, systemAfter;
  CpuMs(userBefore, systemBefore);
  for (int run = 0; run < kLoadRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!LoadBook(dataDir, book)) return 1;
    loads.push_back(Ms(start));
  }
  CpuMs(userAfter, systemAfter);
  const double first = loads.front();
  std::sort(loads.begin(), loads.end());
  std::printf("load KEN_ALL.CSV (%zu records): first %.1f ms, median of %d %.1f ms (target < 150 ms)\n",
              book.RecordCount(), first, kLoadRuns, loads[loads.size() / 2]);
  // The system share is mostly the kernel handing out fresh pages.
  std::printf("  cpu a load: user %.1f ms, system %.1f ms\n", (userAfter - userBefore) / kLoadRuns,
              (systemAfter - systemBefore) / kLoadRuns);

  const std::vector<std::string> offices = OfficeAddresses(dataDir + "/JIGYOSYO.CSV");
  if (offices.empty()) {
    std::fprintf(stderr, "kuranto-resolver-bench: no JIGYOSYO.CSV in %s\n", dataDir.c_str());
    return 1;
  }
  resolver::Resolver resolving(book);
  resolver::Resolution r;
  size_t exact = 0;
  resolving.Resolve(offices.front(), r);  // the buffers grow once
  const long allocationsBefore = bench::AllocationCount();
  const auto start = std::chrono::steady_clock::now();
  for (size_t i = 0; i < kAddresses; ++i) {
    resolving.Resolve(offices[i % offices.size()], r);
    exact += r.status == resolver::Status::kExact ? 1 : 0;
  }
  const double ms = Ms(start);
  const long allocated = bench::AllocationCount() - allocationsBefore;
  std::printf("resolve %zu office addresses (%zu distinct): %.1f ms, %.0f addresses/s on one thread (target >= 100000), %zu exact\n",
              kAddresses, offices.size(), ms, kAddresses / (ms / 1000.0), exact);
  std::printf("allocations while resolving: %ld (%.3f an address)\n", allocated, double(allocated) / kAddresses);

  // The same, each address then taken apart: the parts must cost little.
  resolver::AddressPartsReader reader;
  resolver::AddressParts parts;
  size_t withParts = 0;
  reader.Read(book, r, offices.back(), parts);  // its buffers grow once
  for (const std::string& office : offices) {  // and to the longest address
    resolving.Resolve(office, r);
    reader.Read(book, r, office, parts);
  }
  const long partsAllocationsBefore = bench::AllocationCount();
  const auto partsStart = std::chrono::steady_clock::now();
  for (size_t i = 0; i < kAddresses; ++i) {
    const std::string& office = offices[i % offices.size()];
    resolving.Resolve(office, r);
    withParts += reader.Read(book, r, office, parts) ? 1 : 0;
  }
  const double partsMs = Ms(partsStart);
  const long partsAllocated = bench::AllocationCount() - partsAllocationsBefore;
  std::printf("resolve and take apart: %.1f ms, %.0f addresses/s on one thread (without parts %.0f), %zu with parts, "
              "%ld allocations\n",
              partsMs, kAddresses / (partsMs / 1000.0), kAddresses / (ms / 1000.0), withParts, partsAllocated);

  // The same with the business offices loaded beside the towns: the rate
  // must hold, and each address's code checked against its own office code.
  std::vector<double> officeLoads;
  std::string error;
  for (int run = 0; run < kLoadRuns; ++run) {
    const auto officeStart = std::chrono::steady_clock::now();
    if (!book.LoadOffices(dataDir + "/JIGYOSYO.CSV", error)) {
      std::fprintf(stderr, "kuranto-resolver-bench: %s\n", error.c_str());
      return 1;
    }
    officeLoads.push_back(Ms(officeStart));
  }
  std::sort(officeLoads.begin(), officeLoads.end());
  std::printf("load JIGYOSYO.CSV beside it (%zu offices): median of %d %.1f ms\n", book.OfficeCount(), kLoadRuns,
              officeLoads[officeLoads.size() / 2]);
  const auto withOffices = std::chrono::steady_clock::now();
  exact = 0;
  for (size_t i = 0; i < kAddresses; ++i) {
    resolving.Resolve(offices[i % offices.size()], r);
    exact += r.status == resolver::Status::kExact ? 1 : 0;
  }
  const double officeMs = Ms(withOffices);
  std::printf("resolve with the offices loaded: %.1f ms, %.0f addresses/s on one thread (target >= 100000), %zu exact\n",
              officeMs, kAddresses / (officeMs / 1000.0), exact);
  const std::vector<std::string> codes = OfficeCodes(dataDir + "/JIGYOSYO.CSV");
  size_t agreements = 0;
  const auto checkStart = std::chrono::steady_clock::now();
  for (size_t i = 0; i < kAddresses; ++i) {
    resolving.Resolve(offices[i % offices.size()], r);
    agreements += resolver::CheckCode(book, r, codes[i % codes.size()]) == resolver::Agreement::kOffice ? 1 : 0;
  }
  const double checkMs = Ms(checkStart);
  std::printf("resolve and check each office's own code: %.1f ms, %.0f addresses/s, %zu 事業所\n", checkMs,
              kAddresses / (checkMs / 1000.0), agreements);

  const long one = ChildPeakKb(argv[0], 1, dataDir);
  const long many = ChildPeakKb(argv[0], kAddresses, dataDir);
  std::printf("peak memory: 1 address %.1f MiB, %zu addresses %.1f MiB, difference %.1f MiB (target <= 64 MiB)\n",
              one / 1024.0, kAddresses, many / 1024.0, (many - one) / 1024.0);
  return 0;
}
