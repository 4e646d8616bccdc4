// UTF-16 text, as Excel saves "Unicode テキスト": told by its byte order mark,
// read as UTF-8 for the list work and written back as it came.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lists {

enum class Utf16Order { kNone, kLittleEndian, kBigEndian };

constexpr size_t kUtf16BomLength = 2;

// The order the bytes' byte order mark (FF FE or FE FF) gives; kNone without one.
Utf16Order Utf16ByteOrderMark(const char* data, size_t size);

// True when the bytes look like UTF-16 written without a byte order mark:
// NUL bytes in many characters, and all of them on the same side of their
// pair, as the ASCII characters of such a file put them. A stray NUL, or a
// run of them, is no such pattern.
bool LooksLikeUtf16(const char* data, size_t size);

// UTF-16 to UTF-8 in pieces of any size. What is no UTF-16 still comes out,
// in forms no UTF-8 check accepts (so its line is set apart) and that
// Utf16Encoder writes back as they were: a lone surrogate as its 3-byte form,
// an odd last byte as 0xFE and that byte.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(Utf16Order order) : order_(order) {}
  void Append(const char* data, size_t size, std::string& out);
  // At the end of the bytes: what is held back goes out.
  void Finish(std::string& out);

 private:
  void Unit(uint16_t unit, std::string& out);

  Utf16Order order_;
  bool haveByte_ = false;
  unsigned char byte_ = 0;
  uint16_t high_ = 0;  // a high surrogate waiting for its low one; 0: none
};

// UTF-8 (and the forms Utf16Decoder makes of what is no UTF-16) to UTF-16,
// in pieces of any size.
class Utf16Encoder {
 public:
  explicit Utf16Encoder(Utf16Order order) : order_(order) {}
  void Append(const char* data, size_t size, std::string& out);

 private:
  void Unit(uint32_t unit, std::string& out) const;
  void Character(std::string& out);

  Utf16Order order_;
  std::string pending_;  // a character cut by the end of a piece
};

}  // namespace lists
