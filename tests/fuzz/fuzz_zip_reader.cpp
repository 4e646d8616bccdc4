// Any bytes as a zip, or (after a first byte 'W') as the deflate stream of a
// one-entry zip declaring the next 8 bytes' sizes and CRC-32: the directory
// is read or refused without reading past the bytes; an entry is never
// inflated past its declared size, and one given as whole matches its size
// and CRC-32.
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
constexpr char kWrapped = 'W';
constexpr size_t kWrappedHeader = 9;  // 'W', the uncompressed size, the CRC-32

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
uint32_t Get32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// A zip with one deflated entry "KEN_ALL.CSV" around `stream`.
std::string WrapStream(const std::string& stream, uint32_t size, uint32_t crc) {
  static const std::string kName = "KEN_ALL.CSV";
  std::string zip;
  Put32(zip, 0x04034b50);
  Put16(zip, 20); Put16(zip, 0); Put16(zip, 8); Put16(zip, 0); Put16(zip, 0x5C9B);
  Put32(zip, crc); Put32(zip, static_cast<uint32_t>(stream.size())); Put32(zip, size);
  Put16(zip, static_cast<uint32_t>(kName.size())); Put16(zip, 0);
  zip += kName + stream;
  const uint32_t directory = static_cast<uint32_t>(zip.size());
  Put32(zip, 0x02014b50);
  Put16(zip, 20); Put16(zip, 20); Put16(zip, 0); Put16(zip, 8); Put16(zip, 0); Put16(zip, 0x5C9B);
  Put32(zip, crc); Put32(zip, static_cast<uint32_t>(stream.size())); Put32(zip, size);
  Put16(zip, static_cast<uint32_t>(kName.size())); Put16(zip, 0); Put16(zip, 0); Put16(zip, 0); Put16(zip, 0);
  Put32(zip, 0); Put32(zip, 0);
  zip += kName;
  const uint32_t directoryEnd = static_cast<uint32_t>(zip.size());
  Put32(zip, 0x06054b50);
  Put16(zip, 0); Put16(zip, 0); Put16(zip, 1); Put16(zip, 1);
  Put32(zip, directoryEnd - directory); Put32(zip, directory);
  Put16(zip, 0);
  return zip;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string zip = size >= kWrappedHeader && data[0] == kWrapped
                              ? WrapStream(std::string(reinterpret_cast<const char*>(data) + kWrappedHeader,
                                                       size - kWrappedHeader),
                                           Get32(data + 1) % (1u << 20), Get32(data + 5))
                              : std::string(reinterpret_cast<const char*>(data), size);
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
