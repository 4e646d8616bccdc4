// Any bytes as a zip: the directory is read or refused without reading past
// the bytes; an entry is never inflated past its declared size, and one
// given as whole matches its size and CRC-32.
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "datafiles/zip_reader.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

constexpr size_t kEntriesTried = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string zip(reinterpret_cast<const char*>(data), size);
  std::vector<datafiles::ZipEntry> entries;
  std::string unsafe;
  const datafiles::ZipStatus directory = datafiles::ReadZipDirectory(zip, entries, &unsafe);
  if (directory == datafiles::ZipStatus::kUnsafeName) Check(!datafiles::IsSafeEntryName(unsafe));
  if (directory != datafiles::ZipStatus::kOk) return 0;
  datafiles::FindCsvEntry(entries, "KEN_ALL.CSV");
  for (size_t i = 0; i < entries.size() && i < kEntriesTried; ++i) {
    const datafiles::ZipEntry& e = entries[i];
    Check(datafiles::IsSafeEntryName(e.name));
    std::string bytes;
    if (datafiles::ExtractZipEntry(zip, e, bytes, {}) != datafiles::ZipStatus::kOk) continue;
    Check(bytes.size() == e.uncompressedSize);
    Check(crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())) == e.crc32);
  }
  return 0;
}
