#include "lists/csv_encoding.h"

#include <cstdint>
#include <cstring>

#include "encoding/cp932_encode.h"
#include "encoding/hyphens.h"
#include "encoding/utf8_decode.h"
#include "postal/text.h"

namespace lists {

namespace {

const char kBom[] = "\xEF\xBB\xBF";
constexpr size_t kBomLength = 3;
constexpr size_t kLongestUtf8 = 4;
const char kUnwritable = '?';

bool IsAscii(const char* data, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    if (static_cast<unsigned char>(data[i]) >= 0x80) return false;
  }
  return true;
}

// `cut`: the bytes stop inside their last character, which is not held
// against them.
bool IsUtf8Line(const char* p, const char* end, bool cut) {
  uint32_t codePoint;
  while (p < end) {
    const size_t length = encoding::DecodeUtf8(p, end, codePoint);
    if (length == 0) return cut && static_cast<size_t>(end - p) < kLongestUtf8;
    p += length;
  }
  return true;
}

bool IsCp932Line(const char* p, const char* end, bool cut) {
  while (p < end) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF)) {
      ++p;
    } else if (p + 1 < end && postal::IsDoubleByte(p)) {
      p += 2;
    } else {
      const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
      return cut && lead && p + 1 == end;
    }
  }
  return true;
}

}  // namespace

bool IsUtf8(CsvEncoding encoding) { return encoding != CsvEncoding::kCp932; }

size_t BomLength(CsvEncoding encoding) { return encoding == CsvEncoding::kUtf8WithBom ? kBomLength : 0; }

bool StartsWithBom(const char* data, size_t size) {
  return size >= kBomLength && std::memcmp(data, kBom, kBomLength) == 0;
}

EncodingDecision DecideEncoding(const char* data, size_t size, long firstLine, SampleEnd sampleEnd) {
  size_t utf8 = 0, notUtf8 = 0;
  long firstNotCp932 = 0;
  long line = firstLine;
  const char* end = data + size;
  for (const char* p = data; p < end; ++line) {
    const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    if (lineEnd == nullptr) lineEnd = end;
    const bool cut = sampleEnd == SampleEnd::kCut && lineEnd == end;
    if (!IsAscii(p, static_cast<size_t>(lineEnd - p))) {
      ++(IsUtf8Line(p, lineEnd, cut) ? utf8 : notUtf8);
      if (firstNotCp932 == 0 && !IsCp932Line(p, lineEnd, cut)) firstNotCp932 = line;
    }
    p = lineEnd + (lineEnd < end ? 1 : 0);
  }
  EncodingDecision decision;
  if (utf8 > notUtf8) {
    decision.encoding = CsvEncoding::kUtf8;
  } else if (firstNotCp932 != 0) {
    decision.decided = false;
    decision.line = firstNotCp932;
  }
  return decision;
}

bool IsUtf8Text(const char* data, size_t size) { return IsUtf8Line(data, data + size, false); }

bool IsCp932Text(const char* data, size_t size) { return IsCp932Line(data, data + size, false); }

void CellAsCp932(const std::string& cell, CsvEncoding encoding, std::string& cp932) {
  if (!IsUtf8(encoding)) {
    cp932 = cell;
    return;
  }
  CellAsCp932(cell, cp932, nullptr);
}

void CellAsCp932(const std::string& cell, std::string& cp932, std::vector<uint32_t>* offsets) {
  cp932.clear();
  if (offsets != nullptr) offsets->clear();
  const char* end = cell.data() + cell.size();
  for (const char* p = cell.data(); p < end;) {
    uint32_t codePoint = 0;
    const size_t length = encoding::DecodeUtf8(p, end, codePoint);
    if (length == 0 || !encoding::AppendCp932(codePoint, cp932)) {
      cp932 += length != 0 && encoding::IsHyphenOutsideCp932(codePoint) ? '-' : kUnwritable;
    }
    while (offsets != nullptr && offsets->size() < cp932.size()) offsets->push_back(static_cast<uint32_t>(p - cell.data()));
    p += length == 0 ? 1 : length;
  }
  if (offsets != nullptr) offsets->push_back(static_cast<uint32_t>(cell.size()));
}

std::string CellAsCp932(const std::string& cell, CsvEncoding encoding) {
  std::string cp932;
  CellAsCp932(cell, encoding, cp932);
  return cp932;
}

}  // namespace lists
