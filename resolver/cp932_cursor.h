// Reading cp932 text a character at a time: the cursor knows each
// character's width, so its callers step by characters, never by bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "resolver/cp932_words.h"

namespace resolver {

struct Cp932Cursor {
  std::string_view text;
  size_t pos = 0;

  bool AtEnd() const { return pos >= text.size(); }
  uint16_t Peek() const { return AtEnd() ? 0 : CharCode(text.data() + pos, text.size() - pos); }
  // The character after the next one, 0 at the end.
  uint16_t PeekSecond() const {
    const size_t next = pos + CharWidth(Peek());
    return next < text.size() ? CharCode(text.data() + next, text.size() - next) : 0;
  }
  bool Digit() const { return !AtEnd() && text[pos] >= '0' && text[pos] <= '9'; }
  void Next() { pos += CharWidth(Peek()); }
  bool Take(std::string_view word) {
    if (!WordAt(text, pos, word)) return false;
    pos += word.size();
    return true;
  }
  bool TakeChar(uint16_t code) {
    if (AtEnd() || Peek() != code) return false;
    pos += CharWidth(code);
    return true;
  }
  // The text read so far ends with `word`.
  bool AfterWord(std::string_view word) const { return EndsWithWord(text.substr(0, pos), word); }
};

}  // namespace resolver
