#include "datafiles/zip_reader.h"

#include <zlib.h>

#include <algorithm>
#include <ctime>

#include "datafiles/download_texts.h"

namespace datafiles {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndBytes = 22;
constexpr size_t kCentralBytes = 46;
constexpr size_t kLocalBytes = 30;
constexpr size_t kMaxCommentBytes = 0xFFFF;
constexpr uint16_t kZip64Count = 0xFFFF;
constexpr uint32_t kZip64Size = 0xFFFFFFFF;

constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;
constexpr uint16_t kEncryptedFlag = 0x0001;

// Output is inflated in steps of this size so that progress can move.
constexpr uInt kInflateStep = 1u << 20;

uint16_t Read16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                               static_cast<unsigned char>(bytes[at + 1]) << 8);
}
uint32_t Read32(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(Read16(bytes, at)) | static_cast<uint32_t>(Read16(bytes, at + 2)) << 16;
}

// The end record nearest the end whose comment reaches exactly to the end.
bool FindEndRecord(const std::string& zip, size_t& at) {
  if (zip.size() < kEndBytes) return false;
  const size_t lowest = zip.size() - kEndBytes > kMaxCommentBytes ? zip.size() - kEndBytes - kMaxCommentBytes : 0;
  for (size_t i = zip.size() - kEndBytes + 1; i-- > lowest;) {
    if (Read32(zip, i) == kEndSignature && i + kEndBytes + Read16(zip, i + 20) == zip.size()) {
      at = i;
      return true;
    }
  }
  return false;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string BaseName(const std::string& name) {
  const size_t slash = name.find_last_of("/\\");
  return slash == std::string::npos ? name : name.substr(slash + 1);
}

// Ends the inflater on every path out.
class Inflater {
 public:
  Inflater() { ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }
  ~Inflater() {
    if (ready_) inflateEnd(&stream_);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  bool ready() const { return ready_; }
  z_stream& stream() { return stream_; }

 private:
  z_stream stream_{};
  bool ready_ = false;
};

ZipStatus Inflate(const unsigned char* data, const ZipEntry& entry, std::string& bytes, const BuildProgress& progress) {
  Inflater inflater;
  if (!inflater.ready()) return ZipStatus::kBadData;
  z_stream& s = inflater.stream();
  s.next_in = const_cast<unsigned char*>(data);
  s.avail_in = entry.compressedSize;
  unsigned char* const out = reinterpret_cast<unsigned char*>(&bytes[0]);
  int result = Z_OK;
  while (s.total_out < entry.uncompressedSize && result != Z_STREAM_END) {
    s.next_out = out + s.total_out;
    s.avail_out = std::min<uInt>(kInflateStep, static_cast<uInt>(entry.uncompressedSize - s.total_out));
    result = inflate(&s, Z_NO_FLUSH);
    if (result != Z_OK && result != Z_STREAM_END) return ZipStatus::kBadData;
    if (progress) progress(static_cast<int>(uint64_t{s.total_out} * kBuildProgressMax / entry.uncompressedSize));
  }
  if (result != Z_STREAM_END) {
    // The declared size is reached: the stream must end here, not give more.
    unsigned char extra;
    s.next_out = &extra;
    s.avail_out = 1;
    result = inflate(&s, Z_NO_FLUSH);
    if (s.avail_out == 0) return ZipStatus::kTooLarge;
    if (result != Z_STREAM_END) return ZipStatus::kBadData;
  }
  return s.total_out == entry.uncompressedSize ? ZipStatus::kOk : ZipStatus::kBadData;
}

}  // namespace

bool IsSafeEntryName(const std::string& name) {
  if (name.empty()) return true;
  if (name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find_first_of("/\\", start);
    if (end == std::string::npos) end = name.size();
    if (name.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

int64_t DosTimeToSeconds(uint16_t date, uint16_t time) {
  std::tm t{};
  t.tm_year = 80 + (date >> 9);
  t.tm_mon = ((date >> 5) & 0x0F) - 1;
  t.tm_mday = date & 0x1F;
  t.tm_hour = time >> 11;
  t.tm_min = (time >> 5) & 0x3F;
  t.tm_sec = (time & 0x1F) * 2;
  t.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&t);
  return seconds == static_cast<std::time_t>(-1) ? 0 : static_cast<int64_t>(seconds);
}

ZipStatus ReadZipDirectory(const std::string& zip, std::vector<ZipEntry>& entries, std::string* unsafeName) {
  entries.clear();
  size_t end;
  if (!FindEndRecord(zip, end)) return ZipStatus::kDamaged;
  const uint16_t disk = Read16(zip, end + 4), directoryDisk = Read16(zip, end + 6);
  const uint16_t countHere = Read16(zip, end + 8), count = Read16(zip, end + 10);
  const uint32_t directorySize = Read32(zip, end + 12), directoryOffset = Read32(zip, end + 16);
  if (count == kZip64Count || directorySize == kZip64Size || directoryOffset == kZip64Size) {
    return ZipStatus::kUnsupported;
  }
  if (disk != 0 || directoryDisk != 0 || countHere != count) return ZipStatus::kUnsupported;
  if (uint64_t{directoryOffset} + directorySize > end) return ZipStatus::kDamaged;

  const size_t directoryEnd = size_t{directoryOffset} + directorySize;
  size_t at = directoryOffset;
  for (uint16_t i = 0; i < count; ++i) {
    if (at + kCentralBytes > directoryEnd || Read32(zip, at) != kCentralSignature) return ZipStatus::kDamaged;
    const size_t nameBytes = Read16(zip, at + 28), extraBytes = Read16(zip, at + 30), commentBytes = Read16(zip, at + 32);
    const size_t next = at + kCentralBytes + nameBytes + extraBytes + commentBytes;
    if (next > directoryEnd) return ZipStatus::kDamaged;
    ZipEntry entry;
    entry.flags = Read16(zip, at + 8);
    entry.method = Read16(zip, at + 10);
    entry.time = DosTimeToSeconds(Read16(zip, at + 14), Read16(zip, at + 12));
    entry.crc32 = Read32(zip, at + 16);
    entry.compressedSize = Read32(zip, at + 20);
    entry.uncompressedSize = Read32(zip, at + 24);
    entry.localHeaderOffset = Read32(zip, at + 42);
    entry.name = zip.substr(at + kCentralBytes, nameBytes);
    if (entry.compressedSize == kZip64Size || entry.uncompressedSize == kZip64Size ||
        entry.localHeaderOffset == kZip64Size) {
      return ZipStatus::kUnsupported;
    }
    if (!IsSafeEntryName(entry.name)) {
      if (unsafeName != nullptr) *unsafeName = entry.name;
      return ZipStatus::kUnsafeName;
    }
    entries.push_back(entry);
    at = next;
  }
  return ZipStatus::kOk;
}

const ZipEntry* FindCsvEntry(const std::vector<ZipEntry>& entries, const std::string& preferred) {
  for (const ZipEntry& e : entries) {
    if (!preferred.empty() && EqualsIgnoringCase(BaseName(e.name), preferred)) return &e;
  }
  static const std::string kCsv = ".csv";
  for (const ZipEntry& e : entries) {
    if (e.name.size() > kCsv.size() && EqualsIgnoringCase(e.name.substr(e.name.size() - kCsv.size()), kCsv)) return &e;
  }
  return nullptr;
}

ZipStatus ExtractZipEntry(const std::string& zip, const ZipEntry& entry, std::string& bytes,
                          const BuildProgress& progress) {
  bytes.clear();
  if (entry.flags & kEncryptedFlag) return ZipStatus::kEncrypted;
  if (entry.method != kStored && entry.method != kDeflated) return ZipStatus::kUnsupported;
  if (entry.uncompressedSize > kMaxZipEntryBytes ||
      uint64_t{entry.uncompressedSize} > uint64_t{kMaxZipRatio} * entry.compressedSize) {
    return ZipStatus::kTooLarge;
  }
  const size_t local = entry.localHeaderOffset;
  if (uint64_t{local} + kLocalBytes > zip.size() || Read32(zip, local) != kLocalSignature) return ZipStatus::kDamaged;
  if (Read16(zip, local + 6) & kEncryptedFlag) return ZipStatus::kEncrypted;
  const uint64_t data = uint64_t{local} + kLocalBytes + Read16(zip, local + 26) + Read16(zip, local + 28);
  if (data + entry.compressedSize > zip.size()) return ZipStatus::kDamaged;
  const unsigned char* const start = reinterpret_cast<const unsigned char*>(zip.data()) + data;

  if (entry.method == kStored) {
    if (entry.compressedSize != entry.uncompressedSize) return ZipStatus::kDamaged;
    bytes.assign(reinterpret_cast<const char*>(start), entry.uncompressedSize);
    if (progress) progress(kBuildProgressMax);
  } else {
    bytes.resize(entry.uncompressedSize);
    const ZipStatus inflated = Inflate(start, entry, bytes, progress);
    if (inflated != ZipStatus::kOk) return inflated;
  }
  const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(bytes.data()),
                          static_cast<uInt>(bytes.size()));
  return crc == entry.crc32 ? ZipStatus::kOk : ZipStatus::kBadCrc;
}

std::string ZipRefusalMessage(const std::string& zipName, ZipStatus status, const std::string& detail) {
  std::string message = zipName + kCannotExtract;
  switch (status) {
    case ZipStatus::kOk:
      return std::string();
    case ZipStatus::kCannotRead:
      return message + kZipCannotRead;
    case ZipStatus::kDamaged:
      return message + kZipDamaged;
    case ZipStatus::kUnsupported:
      return message + kZipUnsupported;
    case ZipStatus::kEncrypted:
      return message + kZipEncrypted;
    case ZipStatus::kUnsafeName:
      return message + kZipUnsafeName + detail;
    case ZipStatus::kNoCsv:
      return message + kZipNoCsv;
    case ZipStatus::kTooLarge:
      return message + kZipTooLarge;
    case ZipStatus::kBadData:
      return message + kZipBadData;
    case ZipStatus::kBadCrc:
      return message + kZipBadCrc;
  }
  return message;
}

}  // namespace datafiles
