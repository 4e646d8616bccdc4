// The kana display conversion: cp932 text to full-width forms, with katakana
// turned into hiragana. Our own table, built to give what the Windows call
// LCMapStringA(LCMAP_HIRAGANA | LCMAP_FULLWIDTH) gives under code page 932,
// except where that call would lose a character (see kana.cpp).
#pragma once

#include <string>
#include <string_view>

namespace postal {

// The longest converted text shown; a longer one is shown as nothing.
constexpr size_t kMaxHiraganaBytes = 255;

// Converts cp932 `src`: ASCII (the blank included) and half-width katakana
// become their full-width forms, katakana become hiragana, and a half-width
// voiced or semi-voiced mark joins the letter before it when the joined
// letter exists (ｶﾞ → が, ﾊﾟ → ぱ, ｳﾞ → ヴ). Other characters are copied.
// Returns the empty text when the result would exceed kMaxHiraganaBytes.
std::string ToFullWidthHiragana(const std::string& src);

// Appends `src` (cp932) to `out` as full-width katakana: the conversion
// above, with the kana left katakana (ｱｶｻｶ → アカサカ, ｶﾞ → ガ). No length
// limit; `out`'s storage is reused.
void AppendFullWidthKatakana(std::string_view src, std::string& out);

}  // namespace postal
