#include "lists/utf16.h"

namespace lists {

namespace {

constexpr size_t kPatternSample = 4096;  // bytes of the start that tell the pattern
constexpr size_t kFewestNuls = 4;
constexpr size_t kNulShare = 8;  // at least one character in this many holds a NUL
const unsigned char kOddByteMark = 0xFE;  // no UTF-8 byte

void AppendUtf8(uint32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHigh(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The length of the character a UTF-8 lead byte starts (2 for the odd-byte mark).
size_t SequenceLength(unsigned char lead) {
  if (lead == kOddByteMark) return 2;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

Utf16Order Utf16ByteOrderMark(const char* data, size_t size) {
  if (size < kUtf16BomLength) return Utf16Order::kNone;
  const auto first = static_cast<unsigned char>(data[0]);
  const auto second = static_cast<unsigned char>(data[1]);
  if (first == 0xFF && second == 0xFE) return Utf16Order::kLittleEndian;
  if (first == 0xFE && second == 0xFF) return Utf16Order::kBigEndian;
  return Utf16Order::kNone;
}

bool LooksLikeUtf16(const char* data, size_t size) {
  size_t pairs = 0, nuls[2] = {0, 0};
  for (size_t i = 0; i + 1 < size && i < kPatternSample; i += 2, ++pairs) {
    const bool first = data[i] == '\0', second = data[i + 1] == '\0';
    if (first && second) return false;
    nuls[0] += first;
    nuls[1] += second;
  }
  const size_t most = nuls[0] > nuls[1] ? nuls[0] : nuls[1];
  const size_t least = nuls[0] > nuls[1] ? nuls[1] : nuls[0];
  return least == 0 && most >= kFewestNuls && most * kNulShare >= pairs;
}

void Utf16Decoder::Unit(uint16_t unit, std::string& out) {
  if (high_ != 0) {
    if (IsLow(unit)) {
      AppendUtf8(0x10000 + ((static_cast<uint32_t>(high_) - 0xD800) << 10) + (unit - 0xDC00u), out);
      high_ = 0;
      return;
    }
    AppendUtf8(high_, out);  // lone
    high_ = 0;
  }
  if (IsHigh(unit)) {
    high_ = unit;
    return;
  }
  AppendUtf8(unit, out);  // a lone low surrogate too
}

void Utf16Decoder::Append(const char* data, size_t size, std::string& out) {
  for (size_t i = 0; i < size; ++i) {
    const auto byte = static_cast<unsigned char>(data[i]);
    if (!haveByte_) {
      byte_ = byte;
      haveByte_ = true;
      continue;
    }
    haveByte_ = false;
    const unsigned first = order_ == Utf16Order::kBigEndian ? byte_ : byte;
    const unsigned second = order_ == Utf16Order::kBigEndian ? byte : byte_;
    Unit(static_cast<uint16_t>((first << 8) | second), out);
  }
}

void Utf16Decoder::Finish(std::string& out) {
  if (high_ != 0) AppendUtf8(high_, out);
  high_ = 0;
  if (haveByte_) {
    out += static_cast<char>(kOddByteMark);
    out += static_cast<char>(byte_);
  }
  haveByte_ = false;
}

void Utf16Encoder::Unit(uint32_t unit, std::string& out) const {
  const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
  out += order_ == Utf16Order::kBigEndian ? high : low;
  out += order_ == Utf16Order::kBigEndian ? low : high;
}

// pending_ holds one whole character (or the odd-byte mark and its byte).
void Utf16Encoder::Character(std::string& out) {
  const auto byte = [this](size_t i) { return static_cast<unsigned char>(pending_[i]) & 0x3Fu; };
  const auto lead = static_cast<unsigned char>(pending_[0]);
  if (lead == kOddByteMark) {
    out += pending_[1];
  } else if (pending_.size() == 1) {
    Unit(lead, out);
  } else if (pending_.size() == 2) {
    Unit(((lead & 0x1Fu) << 6) | byte(1), out);
  } else if (pending_.size() == 3) {
    Unit(((lead & 0x0Fu) << 12) | (byte(1) << 6) | byte(2), out);
  } else {
    const uint32_t c = ((lead & 0x07u) << 18) | (byte(1) << 12) | (byte(2) << 6) | byte(3);
    Unit(0xD800 + ((c - 0x10000) >> 10), out);
    Unit(0xDC00 + ((c - 0x10000) & 0x3FF), out);
  }
  pending_.clear();
}

void Utf16Encoder::Append(const char* data, size_t size, std::string& out) {
  for (size_t i = 0; i < size; ++i) {
    pending_ += data[i];
    if (pending_.size() == SequenceLength(static_cast<unsigned char>(pending_[0]))) Character(out);
  }
}

}  // namespace lists
