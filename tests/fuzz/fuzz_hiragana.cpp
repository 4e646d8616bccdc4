// The full-width hiragana conversion of any bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "postal/kana.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string src(reinterpret_cast<const char*>(data), size);
  const std::string out = postal::ToFullWidthHiragana(src);
  if (out.size() > postal::kMaxHiraganaBytes) std::abort();
  // Printable ASCII alone: every byte becomes one double-byte character.
  bool ascii = true;
  for (unsigned char c : src) ascii = ascii && c >= 0x20 && c <= 0x7E;
  if (ascii && src.size() * 2 <= postal::kMaxHiraganaBytes && out.size() != src.size() * 2) std::abort();
  return 0;
}
