// Every character people write as a hyphen between two numbers ("4-6-16",
// "107ｰ0052", "4–6–16"): one table for every reader of numbers (the
// resolver, the number search, the barcode): Unicode's dashes (Dash=yes in
// PropList.txt) that address lists carry and the long vowels typed for
// them, with cp932's codes from Windows' table (cp932_table.inc).
#pragma once

#include <cstdint>

namespace encoding {

enum class HyphenUse {
  kAlways,         // a hyphen wherever it stands
  kBetweenDigits,  // ー ｰ: elsewhere the long vowel of katakana
};

struct HyphenForm {
  uint32_t codePoint;
  uint16_t cp932;  // as a reader's CharCode gives it; 0: cp932 has none
  HyphenUse use;
};

inline constexpr HyphenForm kHyphenForms[] = {
    {0x002D, 0x002D, HyphenUse::kAlways},         // - hyphen-minus
    {0xFF0D, 0x817C, HyphenUse::kAlways},         // － full-width hyphen-minus
    {0x2212, 0x817C, HyphenUse::kAlways},         // − minus sign, cp932's －
    {0x2010, 0x815D, HyphenUse::kAlways},         // ‐ hyphen
    {0x2015, 0x815C, HyphenUse::kAlways},         // ― horizontal bar
    {0x2014, 0x815C, HyphenUse::kAlways},         // — em dash, ― in Windows' table
    {0x30FC, 0x815B, HyphenUse::kBetweenDigits},  // ー katakana long vowel
    {0xFF70, 0x00B0, HyphenUse::kBetweenDigits},  // ｰ half-width long vowel
    {0x2013, 0, HyphenUse::kAlways},              // – en dash
    {0x2011, 0, HyphenUse::kAlways},              // ‑ non-breaking hyphen
    {0x2012, 0, HyphenUse::kAlways},              // ‒ figure dash
    {0xFE63, 0, HyphenUse::kAlways},              // ﹣ small hyphen-minus
    {0x2043, 0, HyphenUse::kAlways},              // ⁃ hyphen bullet
};

// The hyphen form of cp932 `code`, or nullptr.
inline const HyphenForm* Cp932Hyphen(uint16_t code) {
  if (code == 0) return nullptr;
  for (const HyphenForm& form : kHyphenForms) {
    if (form.cp932 == code) return &form;
  }
  return nullptr;
}

// A hyphen that cp932 cannot write: read as "-" when a text is converted
// for reading (what is copied back comes from the text as written).
inline bool IsHyphenOutsideCp932(uint32_t codePoint) {
  for (const HyphenForm& form : kHyphenForms) {
    if (form.codePoint == codePoint) return form.cp932 == 0;
  }
  return false;
}

}  // namespace encoding
