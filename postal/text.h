// Small cp932 text helpers shared by the searches and the path setup.
#pragma once

#include <cstddef>
#include <string>

namespace postal {

// True when p[0], p[1] form a double-byte character: lead 0x81-0x9F or
// 0xE0-0xFC, trail 0x40-0xFC other than 0x7F. p[1] must be readable
// (a terminator is fine). Inline: every scan over cp932 text calls it.
inline bool IsDoubleByte(const char* p) {
  const unsigned char lead = static_cast<unsigned char>(p[0]), trail = static_cast<unsigned char>(p[1]);
  return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) && trail >= 0x40 && trail <= 0xFC &&
         trail != 0x7F;
}

// True when `needle` occurs in `hay` at a character boundary of `hay`.
// An empty needle occurs everywhere, the empty hay included.
bool ContainsText(const char* needle, const char* hay);
// The same over counted texts.
bool ContainsText(const char* needle, size_t needleLength, const char* hay, size_t hayLength);

// Copies `src` to `dst` without every `byte`; `dst` may be `src`.
void RemoveChar(const char* src, char* dst, char byte);
void RemoveChar(std::string& text, char byte);

// Whole-text match of `pattern` with "*" and "?", ASCII letters folded.
bool MatchWildcard(const char* pattern, const char* text);

// Appends "\" unless the path already ends in a "\" that is not the trail
// byte of a double-byte character. Returns whether it appended.
bool AppendBackslash(std::string& path);

// Splits at the last "\" or "/" (stepping over double-byte characters).
// No separator, or one only at the first byte: `dir` empty, `name` the path.
void SplitPath(const std::string& path, std::string& dir, std::string& name);

// `path` in lines of at most `lineBytes` bytes for a message box, which
// would otherwise break it anywhere: each "\n" comes right after a "\" or
// "/" (never the trail byte of a double-byte character). A part between
// separators longer than a line stays whole.
std::string BreakPathLines(const std::string& path, size_t lineBytes);

// The longest prefix of `text` of at most `maxBytes` bytes that does not end
// inside a double-byte character.
size_t CharBoundaryLength(const char* text, size_t length, size_t maxBytes);
std::string TruncateText(const std::string& text, size_t maxBytes);

// Copies at most width-1 bytes of [text, text+length), cut at a character
// boundary, into `slot` and terminates it.
void CopyToSlot(char* slot, size_t width, const char* text, size_t length);

// True when the first `length` bytes of `field` equal `text` ("begins with").
// Never reads past the field's terminator, whatever `text` holds.
inline bool BeginsWith(const char* field, const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (field[i] == '\0' || field[i] != text[i]) return false;
  }
  return true;
}

}  // namespace postal
