// Reading Japan Post's zip files: the central directory, and one entry
// inflated (zlib) and checked. Every offset and size is checked against the
// file, so a damaged or hostile zip is refused, never read past its end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datafiles/index_build.h"

namespace datafiles {

// Far above Japan Post's largest file (about 18 MB): an entry declaring
// more, or more than kMaxZipRatio times its compressed size, is refused
// before anything is inflated.
constexpr uint32_t kMaxZipEntryBytes = 256u << 20;
constexpr uint32_t kMaxZipRatio = 100;

enum class ZipStatus {
  kOk,
  kCannotRead,   // the zip file cannot be opened
  kDamaged,      // truncated, or an offset or size outside the file
  kUnsupported,  // split over disks, ZIP64, or a method other than stored and deflate
  kEncrypted,
  kUnsafeName,   // an entry name that would leave the folder
  kNoCsv,
  kTooLarge,     // over the caps, or a stream that gives more than it declared
  kBadData,      // the deflate stream is broken or ends short
  kBadCrc,
};

struct ZipEntry {
  std::string name;  // as stored, '/' or '\' between folders
  int64_t time = 0;  // the DOS date and time, read as local time: seconds since the epoch
  uint32_t crc32 = 0;
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
  uint16_t method = 0;  // 0 stored, 8 deflate
  uint16_t flags = 0;   // bit 0: encrypted
  uint32_t localHeaderOffset = 0;
};

// Reads the central directory of `zip` (the whole file). kOk, kDamaged,
// kUnsupported or kUnsafeName; `unsafeName` (may be null) then receives the
// offending name. An empty zip gives kOk and no entries.
ZipStatus ReadZipDirectory(const std::string& zip, std::vector<ZipEntry>& entries, std::string* unsafeName);

// The entry whose base name is `preferred` (unless empty) ignoring ASCII case, else the
// first whose name ends in ".csv" (any case); null when there is none.
const ZipEntry* FindCsvEntry(const std::vector<ZipEntry>& entries, const std::string& preferred);

// Inflates `entry` of `zip` through its local header into `bytes`, never
// more than its declared size, and checks its CRC-32. `progress` (may be
// empty) receives 0..kBuildProgressMax. On a refusal `bytes` is incomplete.
ZipStatus ExtractZipEntry(const std::string& zip, const ZipEntry& entry, std::string& bytes,
                          const BuildProgress& progress);

// False for a name that is absolute, holds a drive letter or a ':', or has a
// ".." part, with '/' or '\' as the separator.
bool IsSafeEntryName(const std::string& name);

// A DOS date and time as local time, seconds since the epoch.
int64_t DosTimeToSeconds(uint16_t date, uint16_t time);

// "ZIPNAME を展開できません: " and what is wrong (cp932); `detail` is the
// unsafe entry's name for kUnsafeName.
std::string ZipRefusalMessage(const std::string& zipName, ZipStatus status, const std::string& detail);

}  // namespace datafiles
