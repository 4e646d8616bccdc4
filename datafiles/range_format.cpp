#include "datafiles/range_format.h"

#include <cstdio>
#include <cstring>

namespace datafiles {

namespace {

constexpr size_t kTextBytes = 12;

void AppendInt(std::string& out, int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((v >> shift) & 0xFF);
}

int32_t ReadInt(const unsigned char* p) {
  const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                     (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  return static_cast<int32_t>(v);
}

void Append(std::string& out, const char* text, int32_t a, int32_t b) {
  out.append(text, kTextBytes);
  AppendInt(out, a);
  AppendInt(out, b);
}

const unsigned char* RecordAt(const std::string& bytes, int index) {
  const size_t offset = static_cast<size_t>(index) * postal::kRangeRecordBytes;
  if (index < 0 || offset + postal::kRangeRecordBytes > bytes.size()) return nullptr;
  return reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
}

}  // namespace

void AppendRecord(std::string& out, const postal::PrefectureRange& r) { Append(out, r.name, r.first, r.last); }
void AppendRecord(std::string& out, const postal::NumberRange& r) { Append(out, r.key, r.first, r.end); }

bool ReadRecord(const std::string& bytes, int index, postal::PrefectureRange& r) {
  const unsigned char* p = RecordAt(bytes, index);
  if (p == nullptr) return false;
  std::memcpy(r.name, p, kTextBytes);
  r.first = ReadInt(p + kTextBytes);
  r.last = ReadInt(p + kTextBytes + 4);
  return true;
}

bool ReadRecord(const std::string& bytes, int index, postal::NumberRange& r) {
  const unsigned char* p = RecordAt(bytes, index);
  if (p == nullptr) return false;
  std::memcpy(r.key, p, kTextBytes);
  r.first = ReadInt(p + kTextBytes);
  r.end = ReadInt(p + kTextBytes + 4);
  return true;
}

void InitNumberTable(postal::NumberRange (&table)[postal::kNumberRecords]) {
  for (int k = 0; k < postal::kNumberRecords; ++k) {
    std::memset(table[k].key, 0, sizeof table[k].key);
    std::snprintf(table[k].key, sizeof table[k].key, "%.2d", k);
    table[k].first = -1;
    table[k].end = -1;
  }
}

}  // namespace datafiles
